#include "platform/decimal.h"
#include "platform/order_totals.h"

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
        // One sign at most, before or after "R$".
        {"-R$ 5", "-5.0000"},
        {"+R$ 5", "5.0000"},
        {"R$ +5", "5.0000"},
        {"-R$ -5", "invalid"},
        {"+R$ -5", "invalid"},
        {"-R$ +5", "invalid"},
        {"--5", "invalid"},
        {"- -5", "invalid"},
        {"+-5", "invalid"},
        {"5-", "invalid"},
        // Fourteen whole digits fit the quantity columns; fifteen never do.
        {"99999999999999,9999", "99999999999999.9999"},
        {"99.999.999.999.999", "99999999999999.0000"},
        {"-99999999999999", "-99999999999999.0000"},
        {"99999999999999,99995", "invalid"},
        {"999999999999999", "invalid"},
        {"922.337.203.685.477", "invalid"},
        {"922.337.203.685.478", "invalid"},
        {"-999999999999999,99", "invalid"},
        {"99999999999999999999999", "invalid"},
    };
    for (const auto& [typed, expected] : table)
        EXPECT_EQ(sql(QString::fromUtf8(typed)), QString::fromUtf8(expected)) << typed;
    EXPECT_FALSE(Decimal::parse(QStringLiteral("R$ 5"), false).has_value());
}

TEST(Decimal, AmountsKeepThirteenWholeDigits) {
    // Counted after rounding to cents.
    auto amount = [](const char* typed) {
        const auto d = Decimal::parse(QString::fromUtf8(typed), false, Decimal::kAmount);
        return d ? d->toSql() : QStringLiteral("invalid");
    };
    EXPECT_EQ(amount("9.999.999.999.999,99"), QStringLiteral("9999999999999.9900"));
    EXPECT_EQ(amount("9999999999999,994"), QStringLiteral("9999999999999.9940"));
    EXPECT_EQ(amount("9999999999999,995"), QStringLiteral("invalid"));
    EXPECT_EQ(amount("10000000000000"), QStringLiteral("invalid"));
    EXPECT_EQ(amount("-10.000.000.000.000"), QStringLiteral("invalid"));
    EXPECT_TRUE(Decimal::fromInt(-9999999999999).fits(Decimal::kAmount));
    EXPECT_FALSE(Decimal::fromRaw(INT64_MAX).fits(Decimal::kQuantity));
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

TEST(Decimal, SumsAndProductsNeverWrap) {
    const Decimal tenBillion = Decimal::fromInt(10000000000);
    const Decimal billion = Decimal::fromInt(1000000000);
    const Decimal top = Decimal::fromRaw(INT64_MAX);
    // The checked forms give no value beyond the range asked for.
    EXPECT_FALSE(tenBillion.times(billion).has_value());
    EXPECT_FALSE(tenBillion.times(Decimal::fromInt(1000), Decimal::kAmount).has_value());
    EXPECT_EQ(tenBillion.times(Decimal::fromInt(999))->toSql(0), QStringLiteral("9990000000000"));
    EXPECT_EQ(tenBillion.times(Decimal::fromInt(999), Decimal::kAmount)->toSql(0),
              QStringLiteral("9990000000000"));
    const Decimal maxAmount = *Decimal::parse(QStringLiteral("9999999999999,99"));
    EXPECT_FALSE(maxAmount.plus(*Decimal::parse(QStringLiteral("0,01")), Decimal::kAmount));
    EXPECT_EQ(maxAmount.plus(maxAmount)->toSql(2), QStringLiteral("19999999999999.98"));
    EXPECT_FALSE((-maxAmount).minus(maxAmount, Decimal::kAmount));
    EXPECT_FALSE(top.plus(Decimal::fromRaw(1)).has_value());
    EXPECT_FALSE(Decimal::fromRaw(INT64_MIN).minus(Decimal::fromRaw(1)).has_value());
    EXPECT_FALSE(top.times(top).has_value());
    // The operators throw rather than wrap.
    EXPECT_THROW(top + Decimal::fromRaw(1), std::overflow_error);
    EXPECT_THROW(Decimal::fromRaw(INT64_MIN) - Decimal::fromRaw(1), std::overflow_error);
    EXPECT_THROW(-Decimal::fromRaw(INT64_MIN), std::overflow_error);
    EXPECT_THROW(tenBillion * billion, std::overflow_error);
    Decimal sum = top;
    EXPECT_THROW(sum += Decimal::fromRaw(1), std::overflow_error);
    EXPECT_EQ(sum, top);
    Decimal difference = Decimal::fromRaw(INT64_MIN);
    EXPECT_THROW(difference -= Decimal::fromRaw(1), std::overflow_error);
    EXPECT_EQ(difference, Decimal::fromRaw(INT64_MIN));
    EXPECT_EQ((tenBillion + billion).toSql(0), QStringLiteral("11000000000"));
}

TEST(Decimal, MachineTextReadsBack) {
    EXPECT_EQ(Decimal::fromSql(QStringLiteral("-1234.56789"))->toSql(),
              QStringLiteral("-1234.5679"));
    EXPECT_EQ(Decimal::fromSql(QStringLiteral("15"))->toSql(0), QStringLiteral("15"));
    EXPECT_FALSE(Decimal::fromSql(QStringLiteral("1,5")).has_value());
    // A sum wider than the decimal is no number, never a throw nor a zero.
    EXPECT_EQ(Decimal::fromSql(QStringLiteral("922337203685477.5807"))->raw(), INT64_MAX);
    EXPECT_FALSE(Decimal::fromSql(QStringLiteral("922337203685477.5808")).has_value());
    EXPECT_FALSE(Decimal::fromSql(QStringLiteral("-922337203685477.5809")).has_value());
    EXPECT_FALSE(Decimal::fromSql(QStringLiteral("99999999999999999999999999.99")).has_value());
}

// An order's sums are kept whole and rounded once, half away from zero.
TEST(OrderTotals, ExactSumsRoundOnceToCents) {
    const auto d = [](const char* text) { return *Decimal::fromSql(QLatin1String(text)); };
    const auto cents = [](const ordertotals::SomaExata& s) {
        const auto c = s.centavos();
        return c ? c->toSql(2) : QStringLiteral("none");
    };
    ordertotals::SomaExata desconto;
    desconto.adiciona(d("1000"), d("0.4567"), d("7.5")); // 34,2525
    EXPECT_EQ(cents(desconto), QStringLiteral("34.25"));
    ordertotals::SomaExata meio;
    meio.adiciona(d("0.5"), d("0.0001"), d("1")); // 0,0000005
    meio.adiciona(d("0.5"), d("0.0099"));         // 0,00495
    EXPECT_EQ(cents(meio), QStringLiteral("0.00"));

    // The server's text is read whole, hundredths shifted, signs kept.
    const std::vector<std::tuple<const char*, int, const char*>> servidor = {
        {"", 0, "0.00"},
        {"1234.00500000", 0, "1234.01"},
        {"-1234.00500000", 0, "-1234.01"},
        {"-1234.00499999", 0, "-1234.00"},
        {"3425.250000000000", 2, "34.25"},
        {"0.5", 2, "0.01"},
        {"99999999999999999999999999", 0, "none"},
        {"999999999999999999999999999999999999999999", 0, "none"},
    };
    for (const auto& [texto, deslocamento, esperado] : servidor) {
        ordertotals::SomaExata s;
        EXPECT_TRUE(s.adicionaDoServidor(QLatin1String(texto), deslocamento)) << texto;
        EXPECT_EQ(cents(s), QLatin1String(esperado)) << texto;
    }
    for (const char* texto : {"abc", "1.2.3", "-", ".", "1e5"})
        EXPECT_FALSE(ordertotals::SomaExata().adicionaDoServidor(QLatin1String(texto))) << texto;

    // Products past 128 bits make no sum; the total is the exact difference.
    ordertotals::SomaExata enorme;
    enorme.adiciona(d("99999999999999"), d("99999999999999"), d("99999999999999"));
    EXPECT_EQ(cents(enorme), QStringLiteral("none"));
    EXPECT_FALSE(enorme.cabe(Decimal::kAmount));
    ordertotals::SomaExata bruto, descontos;
    bruto.adiciona(d("12345.3318"), d("0.0174"));
    descontos.adiciona(d("12345.3318"), d("0.0174"), d("6.8311"));
    const ordertotals::Servicos s = ordertotals::servicos(bruto, descontos);
    EXPECT_EQ(s.subtotal.toSql(2) + QLatin1Char(' ') + s.descontos.toSql(2) + QLatin1Char(' ') +
                  s.total.toSql(2),
              QStringLiteral("214.81 14.67 200.13"));
}
