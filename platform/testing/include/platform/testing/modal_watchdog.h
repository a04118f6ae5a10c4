#pragma once
// Fails a window test fast when a real modal window appears (a path that bypassed the services),
// instead of letting it block the test run.

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace platform::testing
{

class ModalWatchdog : public QObject
{
    Q_OBJECT
public:
    explicit ModalWatchdog(QObject *parent = nullptr);
    /// Titles of the modal windows that were found and closed.
    const QStringList &intruders() const { return m_intruders; }

private:
    void check();

    QTimer m_timer;
    QStringList m_intruders;
};

} // namespace platform::testing
