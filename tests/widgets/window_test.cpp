#include "window_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "data/installer.h"
#include "edition/edition.h"
#include "platform/aliasregistry.h"
#include "platform/clock.h"

namespace windowtest {

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void pressEnter(QWidget *widget)
{
    QTest::keyClick(widget, Qt::Key_Return);
}

void showWindow(QWidget *window)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

void clickButton(QWidget *window, const QString &caption)
{
    QAbstractButton *button = widgets::buttonByCaption(window, caption);
    ASSERT_NE(button, nullptr) << caption.toStdString();
    ASSERT_TRUE(button->isEnabled()) << caption.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void typeInto(QWidget *field, const QString &text)
{
    ASSERT_NE(field, nullptr);
    field->setFocus(Qt::MouseFocusReason);
    typeText(field, text);
}

void screenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("QALMOTOR_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QApplication::processEvents();
    window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QDate fixedToday()
{
    return QDate(2550, 5, 27);
}

DemoInstallation::DemoInstallation(bool fullEdition)
{
    edition::set(fullEdition ? edition::Edition::Full : edition::Edition::Basic);
    platform::Clock::setFixed(QDateTime(QDate(2007, 5, 27), QTime(10, 0)));
    data::InstallOptions options;
    options.demo = true;
    data::Installer(options).run();
    m_dm = std::make_unique<TDm>(platform::AliasRegistry());
}

DemoInstallation::~DemoInstallation()
{
    m_dm.reset();
    platform::Clock::reset();
    edition::set(edition::Edition::Full);
}

QVariant DemoInstallation::scalar(const QString &sql, const QVariantList &values)
{
    return m_dm->Database2.scalar(sql, values);
}

} // namespace windowtest
