#pragma once
// Common open and save dialogs, centred over their owner; a seam so tests answer them from a script.

#include "platform/dialog_folders.h"

#include <QString>

#include <optional>

class QWidget;

class QFileDialog;

namespace platform
{

struct FileDialogRequest {
    QString title;
    QString filter; // Qt filter list, entries separated by ";;"
    QString fileName; // initial name (save) or directory
    bool confirmOverwrite = true; // save: ask before replacing an existing file
    QString defaultSuffix {}; // save: added to a name typed without a suffix while the first filter is chosen
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

/// `path` as a save dialog gives it back: with the request's default suffix when its name has no suffix of its
/// own and `chosenFilter` is the request's first filter.
QString withDefaultSuffix(const QString &path, const QString &chosenFilter, const FileDialogRequest &request);

/// QFileDialog, shown as a window-modal sheet centred over the owner, starting in the folders of `folders`.
class QtFileDialogs final : public FileDialogs
{
public:
    explicit QtFileDialogs(DialogFolders folders = DialogFolders(samplesFolder()));

    std::optional<QString> openFile(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<QString> saveFile(QWidget *owner, const FileDialogRequest &request) override;
    std::optional<SaveChoice> saveFileOfType(QWidget *owner, const FileDialogRequest &request) override;

private:
    void prepareSave(QFileDialog &dialog, const FileDialogRequest &request) const;
    std::optional<QString> remember(const std::optional<QString> &chosen);

    DialogFolders m_folders;
};

} // namespace platform
