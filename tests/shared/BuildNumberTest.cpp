#include "shared/ui/BuildNumber.h"

#include <QDate>
#include <gtest/gtest.h>

// The month is checked while compiling.
static_assert(BuildNumberFromDate("Sep  6 2003") == 739);
static_assert(BuildDateMonth("Foo  1 2003") == -1);

TEST(BuildNumber, ForGivenDates)
{
    struct Case {
        const char* date;
        unsigned number;
    };
    const Case cases[] = {
        {"Sep  1 2001", 4}, {"Jan  1 2002", 126}, {"Sep  6 2003", 739}, {"Feb 29 2004", 915},
        {"Dec 31 2024", 8526}, {"sep  6 2003", 0}, {"Xyz  6 2003", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildNumberFromDate(c.date), c.number) << c.date;
}

TEST(BuildNumber, ThisBuild)
{
    const QDate built = QDate::fromString(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    ASSERT_TRUE(built.isValid());
    // The library and this test are compiled apart, on days that can differ
    // (a build across midnight, objects the compiler cache kept): the number
    // must be that of a real compile day, not in the future.
    const auto number = [](QDate day) { return unsigned(QDate(2001, 9, 1).daysTo(day) + 4); };
    EXPECT_GE(GetBuildNumber(), number(built.addDays(-366)));
    EXPECT_LE(GetBuildNumber(), number(QDate::currentDate().addDays(1)));
}
