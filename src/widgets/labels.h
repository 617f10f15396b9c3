#pragma once
// Every field is found by its label: the label is the field's buddy and its text is
// the field's accessible name, so a screen reader (and a test from outside) finds
// each field by its Thai label and each button by its caption.
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace widgets {

// A label made for a field: buddy, accessible name, object name given.
QLabel *labelFor(QWidget *field, const QString &text, const QString &objectName = {});
// Names a field that has no label of its own (the accessible name is the text).
void nameField(QWidget *field, const QString &text);

// The field of a window whose label (or accessible name) is `label`; nullptr when none.
QWidget *fieldByLabel(const QWidget *window, const QString &label);
// The button of a window with this caption (ignoring '&'); nullptr when none.
QAbstractButton *buttonByCaption(const QWidget *window, const QString &caption);

} // namespace widgets
