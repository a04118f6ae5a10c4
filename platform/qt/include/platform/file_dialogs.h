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
};

/// A save dialog's answer where the file's type is chosen with the filter.
struct SaveChoice {
    QString path; // with the chosen filter's suffix when the user typed none (Qt's dialog adds it)
    QString filter; // the filter the user had chosen, as given in the request
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    /// The chosen existing file, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget *owner, const FileDialogRequest &request) = 0;
    /// The chosen target file, or nothing when the user cancelled.
    virtual std::optional<QString> saveFile(QWidget *owner, const FileDialogRequest &request) = 0;
    /// The chosen target file and filter, or nothing when the user cancelled.
    virtual std::optional<SaveChoice> saveFileOfType(QWidget *owner, const FileDialogRequest &request) = 0;
};

/// QFileDialog, shown as a window-modal sheet centred over the owner.
class QtFileDialogs final : public FileDialogs
{
public:
    std::optional<QString> openFile(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QString> saveFile(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<SaveChoice> saveFileOfType(QWidget *owner, const FileDialogRequest &request) override;
};

} // namespace platform
