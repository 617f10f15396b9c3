// Shared main of every test program: a QApplication (windows, fonts, printing and
// SQL drivers need one) and the process date format, then GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/dateformat.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::DateFormat::activate();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
