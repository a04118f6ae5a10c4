#pragma once
// Test doubles for the desktop services: they record what a window asked for and answer from a script.

#include "platform/clipboard.h"
#include "platform/engine_library.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"
#include "platform/printing.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QImage>
#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

namespace platform::testing
{

/// Records every message; answers Yes/No questions from `answers` (No when the script has run out,
/// counted in `unscripted` so a test can insist it never happened).
class RecordingMessageService final : public MessageService
{
public:
    Answer show(const Message &message, QWidget *owner) override;

    QList<Message> shown;
    std::deque<Answer> answers;
    int unscripted = 0;
    /// Called after recording, before answering; lets a test look at the windows while the box is "open".
    std::function<void(const Message &)> onShow;
};

class FakeClipboard final : public Clipboard
{
public:
    void setText(const QString &value) override;
    void setImage(const QImage &value) override;

    std::optional<QString> text;
    std::optional<QImage> image;
};

/// Answers open and save dialogs with the queued paths (nothing queued: cancelled).
class FakeFileDialogs final : public FileDialogs
{
public:
    std::optional<QString> openFile(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QString> saveFile(QWidget *owner, const FileDialogRequest &request) override;
    /// Answers with the next queued save path and the next queued filter (none queued: the request's first).
    std::optional<SaveChoice> saveFileOfType(QWidget *owner, const FileDialogRequest &request) override;

    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<QString> filterAnswers;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
};

class FakeShell final : public Shell
{
public:
    bool openUrl(const QString &url) override;
    bool startSystemInformation() override;

    QStringList openedUrls;
    bool hasSystemInformation = false;
    int systemInformationStarts = 0;
};

/// Shows a dialog without blocking and hands it to `onRun`, which plays the user's part (clicks, typing)
/// and may close it; returns the dialog's result.
class FakeModalRunner final : public ModalRunner
{
public:
    int run(QDialog &dialog) override;

    std::function<void(QDialog &)> onRun;
    QStringList shownWindows; // objectName of every dialog run
};

/// Calls a function in place of the engine library (for example the engine's entry linked into the test).
class FakeEngineLibrary final : public EngineLibrary
{
public:
    bool call() override;

    std::function<int()> entry; // empty: the library is "missing"
    int calls = 0;
};

/// Prints without a dialog: when `confirm` is set, to a PDF at `pdfPath` (the platform's own PDF printer),
/// else as cancelled.
class FakePrinting final : public Printing
{
public:
    bool print(QWidget *owner, const std::function<void(QPrinter &)> &print) override;

    bool confirm = true;
    QString pdfPath;
    int asked = 0;
};

/// All doubles together, with a Services view for the window under test.
struct FakeServices {
    RecordingMessageService messages;
    FakeClipboard clipboard;
    FakeFileDialogs fileDialogs;
    FakeShell shell;
    FakeModalRunner modal;
    FakeEngineLibrary engine;
    FakePrinting printing;

    Services services() { return { messages, clipboard, fileDialogs, shell, modal, engine, printing }; }
};

} // namespace platform::testing
