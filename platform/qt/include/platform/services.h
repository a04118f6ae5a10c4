#pragma once
// The desktop services a window may use, handed to it by the application (or by a test).

namespace platform
{

class MessageService;
class Clipboard;
class FileDialogs;
class Shell;
class ModalRunner;
class EngineLibrary;
class Printing;

struct Services {
    MessageService &messages;
    Clipboard &clipboard;
    FileDialogs &fileDialogs;
    Shell &shell;
    ModalRunner &modal;
    EngineLibrary &engine;
    Printing &printing;
};

} // namespace platform
