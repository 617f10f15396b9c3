// The masked boxes as a person types into them.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/error.h"
#include "window_test.h"
#include "widgets/maskededit.h"

using namespace windowtest;

TEST(MaskedEdit, DeclaredMasksBecomeInputMasks)
{
    EXPECT_EQ(widgets::MaskedEdit::toInputMask(widgets::dateMask()), QStringLiteral("00/00/2599;_"));
    EXPECT_EQ(widgets::MaskedEdit::toInputMask(widgets::timeMask()), QStringLiteral("09:99;_"));
}

TEST(DateEdit, EmptyBoxShowsFixedCentury)
{
    widgets::DateEdit box;
    EXPECT_EQ(box.maskedText(), QStringLiteral("  /  /25  "));
    EXPECT_TRUE(box.isBlank());
    try {
        box.date();
        FAIL() << "an empty box is no date";
    } catch (const platform::Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'  /  /25  ' is not a valid date"));
    }
}

TEST(DateEdit, TypingDayMonthAndYearDigitsGivesTheDate)
{
    widgets::DateEdit box;
    showWindow(&box);
    box.clearEntry();
    typeText(&box, QStringLiteral("010650"));
    EXPECT_EQ(box.maskedText(), QStringLiteral("01/06/2550"));
    EXPECT_EQ(box.date(), QDate(2550, 6, 1));
    EXPECT_FALSE(box.isBlank());
}

TEST(DateEdit, ImpossibleDayIsRefusedWithTheStandardMessage)
{
    widgets::DateEdit box;
    showWindow(&box);
    typeText(&box, QStringLiteral("310650"));
    EXPECT_THROW(box.date(), platform::Error);
}

TEST(DateEdit, SetDateShowsBuddhistYearAndNullDateEmpties)
{
    widgets::DateEdit box;
    box.setDate(QDate(2550, 5, 27));
    EXPECT_EQ(box.maskedText(), QStringLiteral("27/05/2550"));
    box.setDate(QDate());
    EXPECT_EQ(box.maskedText(), QStringLiteral("  /  /25  "));
}

TEST(MaskedEdit, TimeMaskTakesHoursAndMinutes)
{
    widgets::MaskedEdit box(widgets::timeMask());
    EXPECT_EQ(box.maskedText(), QStringLiteral("  :  "));
    showWindow(&box);
    typeText(&box, QStringLiteral("0930"));
    EXPECT_EQ(box.maskedText(), QStringLiteral("09:30"));
}
