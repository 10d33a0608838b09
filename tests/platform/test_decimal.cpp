#include "platform/decimal.h"

#include <gtest/gtest.h>

namespace {
QString sql(const QString& typed) {
    const auto d = Decimal::parse(typed);
    return d ? d->toSql() : QStringLiteral("invalid");
}
} // namespace

TEST(Decimal, TypedNumbersFollowTheBrazilianRule) {
    const std::vector<std::pair<const char*, const char*>> table = {
        // Without a comma, dots before groups of three digits group thousands.
        {"1.500", "1500.0000"},
        {"1.234", "1234.0000"},
        {"1.234.567", "1234567.0000"},
        // Otherwise one dot is the decimal mark.
        {"12.5", "12.5000"},
        {"1234.50", "1234.5000"},
        {"0.125", "0.1250"},
        {"1.23", "1.2300"},
        {"1.2345", "1.2345"},
        {".500", "0.5000"},
        // With a comma, the comma is the decimal mark.
        {"1.234,50", "1234.5000"},
        {"1234,5", "1234.5000"},
        {"1.234.567,8", "1234567.8000"},
        {",5", "0.5000"},
        {"R$ 1.500,00", "1500.0000"},
        {"R$ 1.234,56", "1234.5600"},
        {"-3", "-3.0000"},
        {"- 2,5", "-2.5000"},
        {"R$ -7,10", "-7.1000"},
        {"-1.500", "-1500.0000"},
        {"0,00005", "0.0001"},
        {"-0,00005", "-0.0001"},
        {"0,00004", "0.0000"},
        {"12,34567", "12.3457"},
        {"  42  ", "42.0000"},
        // Grouping in the wrong places, two marks, letters: not numbers.
        {"1.23,5", "invalid"},
        {"1.23,4", "invalid"},
        {"0.500,00", "invalid"},
        {"1234.567,8", "invalid"},
        {"12.34.56", "invalid"},
        {"1.234.5", "invalid"},
        {"1,2,3", "invalid"},
        {"1.2345,6", "invalid"},
        {"abc", "invalid"},
        {"", "invalid"},
        {"R$", "invalid"},
        {"1e3", "invalid"},
        {"1 500", "invalid"},
    };
    for (const auto& [typed, expected] : table)
        EXPECT_EQ(sql(QString::fromUtf8(typed)), QString::fromUtf8(expected)) << typed;
    EXPECT_FALSE(Decimal::parse(QStringLiteral("R$ 5"), false).has_value());
}

TEST(Decimal, FormatsWithCommaAndGrouping) {
    EXPECT_EQ(Decimal::parse(QStringLiteral("1234567,891"))->toBr(),
              QStringLiteral("1.234.567,89"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("12,5"))->toBr(), QStringLiteral("12,50"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("12,34567"))->toBr(4), QStringLiteral("12,3457"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("-0,005"))->toBr(), QStringLiteral("-0,01"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("-0,004"))->toBr(), QStringLiteral("0,00"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("999,995"))->toBr(2, false), QStringLiteral("1000,00"));
    EXPECT_EQ(Decimal::fromInt(7).toBr(0), QStringLiteral("7"));
    EXPECT_EQ(Decimal::fromRaw(-1234567).toBr(6), QStringLiteral("-123,456700"));
    EXPECT_EQ(Decimal::fromRaw(-INT64_MAX).toBr(), QStringLiteral("-922.337.203.685.477,58"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("2,5"))->toSql(2), QStringLiteral("2.50"));
}

TEST(Decimal, ArithmeticRoundsHalfAwayFromZero) {
    const Decimal a = *Decimal::parse(QStringLiteral("0,0003"));
    const Decimal half = *Decimal::parse(QStringLiteral("0,5"));
    EXPECT_EQ((a * half).toSql(), QStringLiteral("0.0002"));
    EXPECT_EQ((-a * half).toSql(), QStringLiteral("-0.0002"));
    EXPECT_EQ((Decimal::fromInt(10) / Decimal::fromInt(3)).toSql(), QStringLiteral("3.3333"));
    EXPECT_EQ((Decimal::fromInt(20) / Decimal::fromInt(3)).toSql(), QStringLiteral("6.6667"));
    EXPECT_EQ((Decimal::fromInt(1) / Decimal::fromInt(-8)).toSql(), QStringLiteral("-0.1250"));
    EXPECT_THROW(Decimal::fromInt(1) / Decimal(), std::domain_error);
    // Large amounts multiply without overflowing the intermediate product.
    const Decimal big = *Decimal::parse(QStringLiteral("900.000.000,00"));
    EXPECT_EQ((big * Decimal::fromInt(2)).toBr(), QStringLiteral("1.800.000.000,00"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("2,345"))->rounded(2).toSql(),
              QStringLiteral("2.3500"));
    EXPECT_EQ(Decimal::parse(QStringLiteral("-2,345"))->rounded(2).toSql(),
              QStringLiteral("-2.3500"));
    EXPECT_LT(*Decimal::parse(QStringLiteral("-1")), Decimal());
}

TEST(Decimal, MachineTextReadsBack) {
    EXPECT_EQ(Decimal::fromSql(QStringLiteral("-1234.56789"))->toSql(),
              QStringLiteral("-1234.5679"));
    EXPECT_EQ(Decimal::fromSql(QStringLiteral("15"))->toSql(0), QStringLiteral("15"));
    EXPECT_FALSE(Decimal::fromSql(QStringLiteral("1,5")).has_value());
}
