#include "platform/testing/fakes.h"

#include <QDialog>

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
