#pragma once
// Enter moves to the next control: the window sees every key first and turns
// Return / Enter in one of its boxes into a move to the next control in tab order.
// A push button keeps Enter, so it still presses the button that has the focus.
#include <QObject>

class QWidget;

namespace widgets {

class EnterMovesFocus : public QObject
{
    Q_OBJECT
public:
    // Watches the keys of `window` and its children; lives as long as the window.
    explicit EnterMovesFocus(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

// Installs the filter on a window (the windows whose behaviour asks for it).
void installEnterMovesFocus(QWidget *window);

} // namespace widgets
