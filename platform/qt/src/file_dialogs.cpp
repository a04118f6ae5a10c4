#include "platform/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <utility>

namespace platform
{
namespace
{

QString firstFilter(const FileDialogRequest &request)
{
    return request.filter.section(QStringLiteral(";;"), 0, 0);
}

void prepare(QFileDialog &dialog, const FileDialogRequest &request, const QString &folder)
{
    dialog.setNameFilter(request.filter);
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    // A parented dialog is centred over its owner by Qt itself.
    dialog.setWindowModality(Qt::WindowModal);
}

/// The dialog adds the suffix itself (and asks before overwriting the file so named) while the text filter is
/// chosen.
void followTheFilter(QFileDialog &dialog, const FileDialogRequest &request)
{
    if (request.defaultSuffix.isEmpty()) {
        return;
    }
    const auto follow = [&dialog, suffix = request.defaultSuffix, text = firstFilter(request)](const QString &chosen) {
        dialog.setDefaultSuffix(chosen == text ? suffix : QString());
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
}

/// The suffix of a filter's first pattern: "PNG image (*.png)" -> "png"; empty for "*" or none.
QString suffixOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    return pattern.match(filter).captured(1);
}

std::optional<QString> run(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString withDefaultSuffix(const QString &path, const QString &chosenFilter, const FileDialogRequest &request)
{
    if (request.defaultSuffix.isEmpty() || chosenFilter != firstFilter(request) || path.isEmpty()
        || !QFileInfo(path).suffix().isEmpty() || path.endsWith(u'/') || path.endsWith(QDir::separator())) {
        return path;
    }
    // A name ending in a dot has an empty suffix of its own: only a name with no dot at all gets one.
    if (QFileInfo(path).fileName().contains(u'.')) {
        return path;
    }
    return path + u'.' + request.defaultSuffix;
}

QtFileDialogs::QtFileDialogs(DialogFolders folders)
    : m_folders(std::move(folders))
{
}

std::optional<QString> QtFileDialogs::openFile(QWidget *owner, const FileDialogRequest &request)
{
    QFileDialog dialog(owner, request.title);
    prepare(dialog, request, m_folders.openFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return remember(run(dialog));
}

std::optional<QString> QtFileDialogs::saveFile(QWidget *owner, const FileDialogRequest &request)
{
    QFileDialog dialog(owner, request.title);
    prepareSave(dialog, request);
    followTheFilter(dialog, request);
    const std::optional<QString> chosen = run(dialog);
    // A platform's own dialog may leave the suffix to the program.
    return remember(chosen ? std::optional(withDefaultSuffix(*chosen, dialog.selectedNameFilter(), request)) : chosen);
}

std::optional<SaveChoice> QtFileDialogs::saveFileOfType(QWidget *owner, const FileDialogRequest &request)
{
    QFileDialog dialog(owner, request.title);
    prepareSave(dialog, request);
    // The dialog adds the chosen type's suffix to a name typed without one before it asks about replacing a
    // file, so the question is about the file that will be written.
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(suffixOf(filter));
    });
    const auto path = remember(run(dialog));
    if (!path) {
        return std::nullopt;
    }
    return SaveChoice { *path, dialog.selectedNameFilter() };
}

void QtFileDialogs::prepareSave(QFileDialog &dialog, const FileDialogRequest &request) const
{
    prepare(dialog, request, m_folders.saveFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
}

std::optional<QString> QtFileDialogs::remember(const std::optional<QString> &chosen)
{
    if (chosen && !chosen->isEmpty()) {
        m_folders.chosen(*chosen);
    }
    return chosen;
}

} // namespace platform
