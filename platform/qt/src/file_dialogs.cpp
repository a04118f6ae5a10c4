#include "platform/file_dialogs.h"

#include <QFileDialog>

namespace platform
{
namespace
{

std::optional<QString> run(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void prepare(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setNameFilter(request.filter);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A parented dialog is centred over its owner by Qt itself.
    dialog.setWindowModality(Qt::WindowModal);
}

} // namespace

std::optional<QString> QtFileDialogs::openFile(QWidget *owner, const FileDialogRequest &request)
{
    QFileDialog dialog(owner, request.title);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog);
}

std::optional<QString> QtFileDialogs::saveFile(QWidget *owner, const FileDialogRequest &request)
{
    QFileDialog dialog(owner, request.title);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return run(dialog);
}

} // namespace platform
