#include "frontend/kit/menu_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include <algorithm>

namespace frontend
{

MenuShortcuts::MenuShortcuts(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // The boxes of a window come and go (rows are built per equation), so the watch is on the application,
    // narrowed to this window's controls.
    qApp->installEventFilter(this);
}

bool MenuShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) {
        return false;
    }
    const auto *control = static_cast<QWidget *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (control->window() != m_window || !isWindowShortcut(*key)) {
        return false;
    }
    // Left unaccepted, the override is refused and the key goes to the window's shortcut.
    event->ignore();
    return true;
}

bool MenuShortcuts::isWindowShortcut(const QKeyEvent &key) const
{
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction *> actions = m_window->findChildren<QAction *>();
    return std::any_of(actions.cbegin(), actions.cend(), [&pressed](const QAction *action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

} // namespace frontend
