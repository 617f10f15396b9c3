#include "entermovesfocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace widgets {

EnterMovesFocus::EnterMovesFocus(QWidget *window)
    : QObject(window), m_window(window)
{
    // Key events go to the focused child; watching the application lets the window
    // see them first, whichever child has the focus.
    qApp->installEventFilter(this);
}

bool EnterMovesFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *target = static_cast<QWidget *>(watched);
    if (target != m_window && !m_window->isAncestorOf(target))
        return false;
    if (qobject_cast<QAbstractButton *>(target))
        return false;
    // The next control in tab order that can take the focus, as Tab would choose it.
    QWidget *next = target;
    do {
        next = next->nextInFocusChain();
    } while (next != target
             && !(next->window() == m_window && next->isEnabled() && next->isVisible()
                  && (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()));
    next->setFocus(Qt::TabFocusReason);
    return true;
}

void installEnterMovesFocus(QWidget *window)
{
    new EnterMovesFocus(window);
}

} // namespace widgets
