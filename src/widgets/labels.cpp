#include "labels.h"

#include <QAbstractButton>
#include <QLabel>

namespace widgets {

QLabel *labelFor(QWidget *field, const QString &text, const QString &objectName)
{
    auto *label = new QLabel(text, field->parentWidget());
    if (!objectName.isEmpty())
        label->setObjectName(objectName);
    label->setBuddy(field);
    field->setAccessibleName(text);
    return label;
}

void nameField(QWidget *field, const QString &text)
{
    field->setAccessibleName(text);
}

QWidget *fieldByLabel(const QWidget *window, const QString &label)
{
    for (QLabel *l : window->findChildren<QLabel *>())
        if (l->text() == label && l->buddy())
            return l->buddy();
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->accessibleName() == label && !qobject_cast<QLabel *>(w))
            return w;
    return nullptr;
}

QAbstractButton *buttonByCaption(const QWidget *window, const QString &caption)
{
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        QString text = b->text();
        text.remove(QLatin1Char('&'));
        if (text == caption)
            return b;
    }
    return nullptr;
}

} // namespace widgets
