// Dates and their text: dd/mm/yyyy with the stored (Buddhist-era) year, the SQL
// literal form, and the standard message for a text that is no date.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/dateformat.h"
#include "platform/error.h"

namespace {

using platform::DateFormat;

TEST(DateFormat, TextAndBack)
{
    EXPECT_EQ(DateFormat::toText(QDate(2550, 5, 27)), QStringLiteral("27/05/2550"));
    EXPECT_EQ(DateFormat::fromText(QStringLiteral("27/05/2550")), QDate(2550, 5, 27));
    EXPECT_EQ(DateFormat::toSqlLiteral(QDate(2550, 5, 27)), QStringLiteral("05/27/2550"));
    EXPECT_EQ(DateFormat::toText(QDate()), QString());
}

TEST(DateFormat, TextsThatAreNoDateGiveTheStandardMessage)
{
    // 2551 (2008 on the real calendar) is no leap year as a stored year; 2552 is.
    for (const char *text : {"29/02/2551", "31/04/2550", "  /  /25  ", "", "1/13/2550"}) {
        try {
            DateFormat::fromText(QLatin1String(text));
            ADD_FAILURE() << text << " was taken as a date";
        } catch (const platform::Error &e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid date").arg(QLatin1String(text)));
        }
    }
    EXPECT_EQ(DateFormat::fromText(QStringLiteral("29/02/2552")), QDate(2552, 2, 29));
}

TEST(Clock, TodayCarriesTheBuddhistEraYear)
{
    platform::Clock::setFixed(QDateTime(QDate(2007, 5, 27), QTime(10, 30)));
    EXPECT_EQ(platform::Clock::today(), QDate(2550, 5, 27));
    EXPECT_EQ(platform::Clock::gregorianToday(), QDate(2007, 5, 27));
    platform::Clock::reset();
    EXPECT_EQ(platform::Clock::today().year(), QDate::currentDate().year() + 543);
}

} // namespace
