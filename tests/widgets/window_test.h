#pragma once
// What the window tests share: an installation with demo data in a temporary
// folder opened by a real data module, the recorded messages, the clock fixed on
// 27 May 2007, and helpers that drive real widgets the way a person does.
#include <QDate>
#include <QString>
#include <QWidget>
#include <memory>

#include "data/dm.h"
#include "qt_printers.h"
#include "recording_messages.h"
#include "temp_stores.h"
#include "widgets/labels.h"

class QAbstractButton;

namespace windowtest {

// Types text into the focused widget one key event per character (Thai too).
void typeText(QWidget *widget, const QString &text);
void pressEnter(QWidget *widget);
// Shows a window and waits until it is on screen and active.
void showWindow(QWidget *window);
// Clicks the window's button with this caption; fails the test when there is none.
void clickButton(QWidget *window, const QString &caption);
// Gives the field the focus the way a mouse click does, then types.
void typeInto(QWidget *field, const QString &text);

template <class T>
T *field(const QWidget *window, const QString &label)
{
    return qobject_cast<T *>(widgets::fieldByLabel(window, label));
}

// Saves a picture of the window into the folder named by QALMOTOR_SCREENSHOTS;
// does nothing when it is not set.
void screenshot(QWidget *window, const QString &name);

// A demo installation opened by the data module, for one test.
class DemoInstallation
{
public:
    explicit DemoInstallation(bool fullEdition = true);
    ~DemoInstallation();
    engine::Connection &motor() { return m_dm->Database2; }
    // The first column of the first row of a statement on QalMotor, with bound values.
    QVariant scalar(const QString &sql, const QVariantList &values = {});
    RecordingMessages messages;

private:
    TempStores m_stores;
    std::unique_ptr<TDm> m_dm;
};

// 27 May 2007 (27/05/2550 in the Buddhist era).
QDate fixedToday();

} // namespace windowtest
