#pragma once
// Common open and save dialogs, centred over their owner; a seam so tests answer them from a script.

#include <QString>

#include <optional>

class QWidget;

namespace platform
{

struct FileDialogRequest {
    QString title;
    QString filter; // Qt filter list, entries separated by ";;"
    QString fileName; // initial name (save) or directory
    bool confirmOverwrite = true; // save: ask before replacing an existing file
    QString defaultSuffix {}; // save: added to a name typed without one, before the overwrite question
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    /// The chosen existing file, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget *owner, const FileDialogRequest &request) = 0;
    /// The chosen target file, or nothing when the user cancelled.
    virtual std::optional<QString> saveFile(QWidget *owner, const FileDialogRequest &request) = 0;
};

/// QFileDialog, shown as a window-modal sheet centred over the owner.
class QtFileDialogs final : public FileDialogs
{
public:
    std::optional<QString> openFile(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QString> saveFile(QWidget *owner, const FileDialogRequest &request) override;
};

} // namespace platform
