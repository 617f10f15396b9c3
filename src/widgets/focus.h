#pragma once
// Gives a control the focus from a window's show handler. Qt hands the focus back
// to the control that last had it once the window is activated, after the handler
// has run; the focus is therefore set now and again when the window is up.
class QWidget;

namespace widgets {

void focusOnShow(QWidget *control);

} // namespace widgets
