#include "platform/dates.h"

#include <gtest/gtest.h>

TEST(Dates, StrictDayMonthYear) {
    EXPECT_EQ(dates::parseBr(QStringLiteral("25/12/2026")), QDate(2026, 12, 25));
    EXPECT_EQ(dates::parseBr(QStringLiteral("29/02/2024")), QDate(2024, 2, 29));
    for (const char* bad : {"29/02/2026", "31/04/2026", "1/1/2026", "01-01-2026", "00/01/2026",
                            "01/13/2026", "aa/bb/cccc", "", "01/01/26", "01/01/2026 "})
        EXPECT_FALSE(dates::parseBr(QString::fromLatin1(bad)).has_value()) << bad;
    // As typed into a date box: the slashes may be left out.
    for (const char* typed : {"15122026", "15/122026", " 15/12/2026 ", "15/12/2026"})
        EXPECT_EQ(dates::parseTyped(QString::fromLatin1(typed)), QDate(2026, 12, 15)) << typed;
    for (const char* bad : {"1512026", "31022026", "15-12-2026", "151220261", ""})
        EXPECT_FALSE(dates::parseTyped(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_EQ(dates::toSql(QDate(2026, 1, 5)), QStringLiteral("2026/01/05"));
    EXPECT_EQ(dates::toBr(QDate(2026, 1, 5)), QStringLiteral("05/01/2026"));
    EXPECT_EQ(dates::toBr(QDate(999, 12, 31)), QStringLiteral("31/12/0999"));
    EXPECT_EQ(dates::toBr(QDate()), QString());
    EXPECT_EQ(dates::stampBr(QDateTime(QDate(2026, 1, 5), QTime(7, 8, 9))),
              QStringLiteral("05/01/2026 07:08:09"));
}
