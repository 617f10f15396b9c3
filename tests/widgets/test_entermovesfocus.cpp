// Enter moves to the next control in the windows that install the filter, and
// only there; a focused button still takes Enter.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QTest>
#include <gtest/gtest.h>

#include "widgets/entermovesfocus.h"
#include "window_test.h"

using namespace windowtest;

namespace {
struct Form {
    explicit Form(bool filtered)
    {
        auto *layout = new QVBoxLayout(&dialog);
        first = new QLineEdit(&dialog);
        second = new QLineEdit(&dialog);
        button = new QPushButton(QStringLiteral("ตกลง"), &dialog);
        button->setDefault(true);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(button);
        if (filtered)
            widgets::installEnterMovesFocus(&dialog);
    }
    QDialog dialog;
    QLineEdit *first;
    QLineEdit *second;
    QPushButton *button;
};
} // namespace

TEST(EnterMovesFocus, EnterInABoxMovesToTheNextControlAndNeverReachesTheBox)
{
    Form form(true);
    showWindow(&form.dialog);
    QSignalSpy pressed(form.button, &QPushButton::clicked);
    QSignalSpy returned(form.first, &QLineEdit::returnPressed);
    form.first->setFocus();
    pressEnter(form.first);
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_EQ(returned.count(), 0);
    pressEnter(form.second);
    EXPECT_TRUE(form.button->hasFocus());
    EXPECT_EQ(pressed.count(), 0);
    pressEnter(form.button);
    EXPECT_EQ(pressed.count(), 1);
}

TEST(EnterMovesFocus, WindowWithoutTheFilterKeepsEnterInTheBox)
{
    Form form(false);
    showWindow(&form.dialog);
    QSignalSpy pressed(form.button, &QPushButton::clicked);
    form.first->setFocus();
    pressEnter(form.first);
    EXPECT_TRUE(form.first->hasFocus());
    EXPECT_EQ(pressed.count(), 1); // the dialog's default button
}

TEST(EnterMovesFocus, AnotherWindowIsNotAffected)
{
    Form filtered(true);
    Form plain(false);
    showWindow(&plain.dialog);
    plain.first->setFocus();
    pressEnter(plain.first);
    EXPECT_TRUE(plain.first->hasFocus());
}
