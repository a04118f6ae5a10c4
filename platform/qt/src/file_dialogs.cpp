#include "platform/file_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

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
    // A parented dialog is centred over its owner by Qt itself.
    dialog.setWindowModality(Qt::WindowModal);
}

/// The suffix of a filter's first pattern: "PNG image (*.png)" -> "png"; empty for "*" or none.
QString suffixOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    return pattern.match(filter).captured(1);
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

std::optional<SaveChoice> QtFileDialogs::saveFileOfType(QWidget *owner, const FileDialogRequest &request)
{
    QFileDialog dialog(owner, request.title);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // The dialog adds the chosen type's suffix to a name typed without one before it asks about replacing a
    // file, so the question is about the file that will be written.
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(suffixOf(filter));
    });
    const auto path = run(dialog);
    if (!path) {
        return std::nullopt;
    }
    return SaveChoice { *path, dialog.selectedNameFilter() };
}

} // namespace platform
