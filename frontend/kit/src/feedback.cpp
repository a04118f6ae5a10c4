#include "frontend/kit/feedback.h"

#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/scrolling_rows.h"
#include "platform/message_service.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace frontend
{
namespace
{

core::ReadOutcome told(platform::MessageService &messages, QWidget *owner, core::ReadOutcome read)
{
    if (read.ConversionFailed) {
        messages.show(msg::divisionByZero(), owner);
    }
    return read;
}

class NumberBoxFilter final : public QObject
{
public:
    explicit NumberBoxFilter(QLineEdit *box)
        : QObject(box)
        , m_box(box)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box) {
            return false;
        }
        if (event->type() == QEvent::FocusIn) {
            selectAll();
        } else if (event->type() == QEvent::KeyPress) {
            return swallowed(*static_cast<QKeyEvent *>(event));
        }
        return false;
    }

private:
    void selectAll()
    {
        m_box->selectAll();
        // A mouse click that gave the focus places the cursor afterwards; select once more after it.
        QPointer<QLineEdit> box(m_box);
        QTimer::singleShot(0, m_box, [box] {
            if (box && box->hasFocus()) {
                box->selectAll();
            }
        });
    }

    static bool swallowed(const QKeyEvent &event)
    {
        const QString text = event.text();
        if (text.isEmpty()) {
            return false;
        }
        return core::FilterKey(text.front().unicode()) == 0;
    }

    QLineEdit *m_box;
};

} // namespace

void showNotices(platform::MessageService &messages, QWidget *owner, const core::Notices &notices)
{
    for (const core::Notice notice : notices) {
        messages.show(msg::forNotice(notice), owner);
    }
}

void applyBoxCheck(platform::MessageService &messages,
    QWidget *owner,
    const std::vector<core::BoxRef> &filled,
    const core::Notices &notices,
    const std::optional<core::BoxRef> &focus,
    const std::function<QLineEdit *(core::BoxRef)> &box)
{
    for (const core::BoxRef &ref : filled) {
        if (QLineEdit *zero = box(ref)) {
            zero->setText(QStringLiteral("0"));
        }
    }
    showNotices(messages, owner, notices);
    if (focus) {
        if (QLineEdit *faulty = box(*focus)) {
            faulty->setFocus();
            // Also when it had the focus already while scrolled away: the user must see what to mend.
            scrollIntoView(faulty);
        }
    }
}

core::ReadOutcome readNumber(platform::MessageService &messages, QWidget *owner, const QString &text)
{
    return told(messages, owner, core::ReadNumber(toStd(text)));
}

void refuse(platform::MessageService &messages,
    QWidget *owner,
    QLineEdit *box,
    const platform::Message &message,
    bool divisionByZero)
{
    if (divisionByZero) {
        messages.show(msg::divisionByZero(), owner);
    }
    box->setFocus();
    scrollIntoView(box);
    messages.show(message, owner);
}

void makeNumberBox(QLineEdit *box)
{
    box->installEventFilter(new NumberBoxFilter(box));
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Let the cursor change show before the work blocks the event loop; user input waits.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

void tellUnexpected(platform::MessageService &messages, QWidget *owner)
{
    messages.show(msg::unexpectedError(), owner);
}

} // namespace frontend
