#include "focus.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace widgets {

void focusOnShow(QWidget *control)
{
    control->setFocus();
    QTimer::singleShot(0, control, [c = QPointer<QWidget>(control)] {
        if (c && c->isVisible())
            c->setFocus();
    });
}

} // namespace widgets
