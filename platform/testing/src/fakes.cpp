#include "platform/testing/fakes.h"

#include <QDialog>
#include <QPrinter>

namespace platform::testing
{

Answer RecordingMessageService::show(const Message &message, QWidget *)
{
    shown.append(message);
    if (onShow) {
        onShow(message);
    }
    if (message.buttons == MessageButtons::Ok) {
        return Answer::Ok;
    }
    if (answers.empty()) {
        ++unscripted;
        return Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeClipboard::setText(const QString &value)
{
    text = value;
}

void FakeClipboard::setImage(const QImage &value)
{
    image = value;
}

namespace
{

std::optional<QString> next(std::deque<std::optional<QString>> &queue)
{
    std::optional<QString> answer;
    if (!queue.empty()) {
        answer.swap(queue.front());
        queue.pop_front();
    }
    return answer;
}

} // namespace

std::optional<QString> FakeFileDialogs::openFile(QWidget *, const FileDialogRequest &request)
{
    openRequests.append(request);
    return next(openAnswers);
}

std::optional<QString> FakeFileDialogs::saveFile(QWidget *, const FileDialogRequest &request)
{
    saveRequests.append(request);
    return next(saveAnswers);
}

std::optional<SaveChoice> FakeFileDialogs::saveFileOfType(QWidget *owner, const FileDialogRequest &request)
{
    const auto path = saveFile(owner, request);
    QString filter = request.filter.section(QStringLiteral(";;"), 0, 0);
    if (!filterAnswers.empty()) {
        filter = filterAnswers.front();
        filterAnswers.pop_front();
    }
    if (!path) {
        return std::nullopt;
    }
    return SaveChoice { *path, filter };
}

bool FakePrinting::print(QWidget *, const std::function<void(QPrinter &)> &print)
{
    ++asked;
    if (!confirm) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    print(printer);
    return true;
}

bool FakeShell::openUrl(const QString &url)
{
    openedUrls.append(url);
    return true;
}

bool FakeShell::startSystemInformation()
{
    ++systemInformationStarts;
    return hasSystemInformation;
}

int FakeModalRunner::run(QDialog &dialog)
{
    shownWindows.append(dialog.objectName());
    dialog.setProperty("kovalinTestShown", true); // not an intruder for the watchdog
    dialog.setModal(true);
    dialog.show();
    if (onRun) {
        onRun(dialog);
    }
    const int result = dialog.result();
    dialog.hide();
    return result;
}

bool FakeEngineLibrary::call()
{
    ++calls;
    if (!entry) {
        return false;
    }
    entry();
    return true;
}

} // namespace platform::testing
