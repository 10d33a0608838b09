#include "test_json_support.h"

#include "json/json_number_text.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

struct DecimalCase {
    const char16_t* text;
    const char16_t* value; // nullptr: refused
    int scale;
};

class DecimalFromText : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalFromText, KeepsDigitsAndPlacesOrRoundsHalfToEven) {
    const auto decimal = JsonDecimal::fromText(QString::fromUtf16(GetParam().text));
    if (GetParam().value == nullptr) {
        EXPECT_FALSE(decimal.has_value()) << decimal->toText().toStdString();
        return;
    }
    ASSERT_TRUE(decimal.has_value());
    EXPECT_EQ(decimal->toText(), QString::fromUtf16(GetParam().value));
    EXPECT_EQ(decimal->scale(), GetParam().scale);
    // The written text reads back to the same digits and scale.
    EXPECT_EQ(JsonDecimal::fromText(decimal->toText()), decimal);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalFromText,
    ::testing::Values(
        DecimalCase{u"0.1", u"0.1", 1}, DecimalCase{u"0.10", u"0.10", 2},
        DecimalCase{u"-0", u"-0", 0}, DecimalCase{u"-0.00", u"-0.00", 2},
        DecimalCase{u"00012.50", u"12.50", 2}, DecimalCase{u"1.", u"1", 0},
        DecimalCase{u"1e2", u"100", 0}, DecimalCase{u"1.5E-3", u"0.0015", 4},
        DecimalCase{u"2.50e+1", u"25.0", 1},
        DecimalCase{u"12345678901234567890.123456789", u"12345678901234567890.123456789", 9},
        DecimalCase{u"79228162514264337593543950335", u"79228162514264337593543950335", 0},
        DecimalCase{u"-7922816251426433759354395033.5", u"-7922816251426433759354395033.5", 1},
        DecimalCase{u"0.1234567890123456789012345678", u"0.1234567890123456789012345678", 28},
        // Beyond 28 places or 96 bits the last places are rounded half to even.
        DecimalCase{u"0.12345678901234567890123456789", u"0.1234567890123456789012345679", 28},
        DecimalCase{u"7922816251426433759354395033.6", u"7922816251426433759354395034", 0},
        DecimalCase{u"2.00000000000000000000000000005", u"2.0000000000000000000000000000", 28},
        DecimalCase{u"2.00000000000000000000000000015", u"2.0000000000000000000000000002", 28},
        DecimalCase{u"2.000000000000000000000000000050001", u"2.0000000000000000000000000001", 28},
        DecimalCase{u"1e-40", u"0.0000000000000000000000000000", 28},
        DecimalCase{u"0e99999999999999999999", u"0", 0},
        DecimalCase{u"1e28", u"10000000000000000000000000000", 0}, DecimalCase{u"1e29", nullptr, 0},
        DecimalCase{u"79228162514264337593543950336", nullptr, 0},
        DecimalCase{u"79228162514264337593543950335.5", nullptr, 0}, DecimalCase{u"-", nullptr, 0},
        DecimalCase{u"", nullptr, 0}, DecimalCase{u"1e", nullptr, 0},
        DecimalCase{u"1e+-2", nullptr, 0}, DecimalCase{u"1,5", nullptr, 0},
        DecimalCase{u"+1", nullptr, 0}));

TEST(DecimalParts, AreLimitedToNinetySixBitsAndTwentyEightPlaces) {
    EXPECT_TRUE(JsonDecimal::fromParts(true, JsonDecimal::kMaxMantissa, 28).has_value());
    EXPECT_FALSE(JsonDecimal::fromParts(false, JsonDecimal::kMaxMantissa + 1, 0).has_value());
    EXPECT_FALSE(JsonDecimal::fromParts(false, 1, 29).has_value());
    EXPECT_FALSE(JsonDecimal::fromParts(false, 1, -1).has_value());
    EXPECT_EQ(JsonDecimal::fromParts(true, 5, 3)->toText(), QStringLiteral("-0.005"));
}

struct DoubleCase {
    const char16_t* text;
    double value;
};

class DoubleFromText : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleFromText, ReadsThePointAsDecimalPoint) {
    const auto value = json::parseDouble(QString::fromUtf16(GetParam().text));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().value);
    EXPECT_EQ(std::signbit(*value), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DoubleFromText,
    ::testing::Values(DoubleCase{u"1.5", 1.5}, DoubleCase{u"-0.25", -0.25}, DoubleCase{u"1.", 1.0},
                      DoubleCase{u"1E3", 1000.0}, DoubleCase{u"4.9e-324", 4.9e-324},
                      DoubleCase{u"1e-400", 0.0}, DoubleCase{u"-1e-99999999999999", -0.0},
                      DoubleCase{u"0.000e999999", 0.0},
                      DoubleCase{u"1.7976931348623157e308", 1.7976931348623157e308}));

TEST(DoubleFromText, RefusesOverflowAndMalformedText) {
    for (const char16_t* text : {u"1e309", u"-1e99999999999", u"-", u"1e", u"1.5.", u" 1", u"1,5"})
        EXPECT_FALSE(json::parseDouble(QString::fromUtf16(text)).has_value())
            << QString::fromUtf16(text).toStdString();
}

TEST(DoubleText, IsTheShortestTextThatReadsBack) {
    std::mt19937_64 random(20240501);
    for (int round = 0; round < 20000; ++round) {
        double value;
        const quint64 bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const QString text = json::doubleText(value);
        EXPECT_EQ(json::parseDouble(text), value) << text.toStdString();
        EXPECT_FALSE(text.contains(u','));
    }
    const float single = 0.1f;
    EXPECT_EQ(json::singleText(single), QStringLiteral("0.1"));
}

} // namespace
