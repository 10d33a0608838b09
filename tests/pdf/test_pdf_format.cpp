#include "pdf/pdf_format.h"
#include "tests/pdf/pdf_test_support.h"

using namespace pdfformat;

struct DecimalCase {
    double value;
    int decimals;
    const char* text;
};

TEST(FormatDecimal, RoundsHalfAwayFromZeroOnTheShortestForm) {
    const DecimalCase cases[] = {
        {0, 2, "0.00"},
        {56.69291338582677, 2, "56.69"},
        {785.2007874015748, 2, "785.20"},
        {-56.69291338582677, 2, "-56.69"},
        {1.005, 2, "1.01"},   // binary 1.00499999... but written 1.005
        {2.675, 2, "2.68"},   // the same
        {-2.675, 2, "-2.68"}, // away from zero on the negative side too
        {0.5, 0, "1."},       // no decimals: the text ends with the point
        {1.5, 0, "2."},
        {2.5, 0, "3."},
        {99.995, 2, "100.00"},
        {-0.001, 2, "0.00"}, // no "-0.00"
        {1e-7, 3, "0.000"},
        {123456789.125, 2, "123456789.13"},
        {128.0 / 255.0, 3, "0.502"},
        {0.866025, 5, "0.86603"},
        {1.5, 2, "1.50"},
        {842, 2, "842.00"},
        {-12, 2, "-12.00"},
        {-0.0, 2, "0.00"},
        {0.05, 2, "0.05"},
        {565, 0, "565."},
        {0.29, 2, "0.29"}, // 0.29 x 100 is 28.999999999999996
    };
    for (const DecimalCase& c : cases)
        EXPECT_EQ(FormatDecimal(c.value, c.decimals), QByteArray(c.text))
            << c.value << " with " << c.decimals;
}

TEST(FormatDecimal, RefusesWhatIsNotANumber) {
    EXPECT_THROW(FormatDecimal(std::nan(""), 2), PDFError);
    EXPECT_THROW(FormatDecimal(INFINITY, 2), PDFError);
}

TEST(FormatShort, WritesWholeNumbersWithoutDecimals) {
    EXPECT_EQ(FormatShort(842), "842");
    EXPECT_EQ(FormatShort(595.28), "595.28");
    EXPECT_EQ(FormatShort(400.5), "400.5");
    EXPECT_EQ(FormatShort(56.692913), "56.69");
}

TEST(TextHelpers, PadEscapeAndRound) {
    EXPECT_EQ(ZeroPad10("1234"), "0000001234");
    EXPECT_EQ(ZeroPad10("12345678901"), "12345678901");
    EXPECT_EQ(EscapeLiteral("a(b)c\\d"), "a\\(b\\)c\\\\d");
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(0.99987), 1);
}
