#include "test_json_support.h"

using jsontest::parsed;

namespace {

struct Case {
    const char16_t* text;
    const char16_t* written;
};

// Read, then written back without whitespace.
class ParseAndWrite : public ::testing::TestWithParam<Case> {};

TEST_P(ParseAndWrite, GivesTheExactText) {
    EXPECT_EQ(parsed(QString::fromUtf16(GetParam().text)).JSON(),
              QString::fromUtf16(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    RoundTrips, ParseAndWrite,
    ::testing::Values(
        Case{u"{}", u"{}"}, Case{u"[]", u"[]"}, Case{u" \t\r\n[ ]", u"[]"},
        Case{u"{\"a\":1,\"b\":[1,2]}", u"{\"a\":1,\"b\":[1,2]}"},
        Case{u"[true,false,null,\"x\",1.5,-0.25,{\"k\":{}},[]]",
             u"[true,false,null,\"x\",1.5,-0.25,{\"k\":{}},[]]"},
        Case{u"{ \"a\" : 1 ,\r\n \"b\" :\t[ 1 , 2 ] }", u"{\"a\":1,\"b\":[1,2]}"},
        // Loose commas and missing ones are accepted.
        Case{u"[,1,,2,]", u"[1,2]"}, Case{u"{\"a\":1 \"b\":2,,}", u"{\"a\":1,\"b\":2}"},
        // The literal words ignore letter case.
        Case{u"[TRUE,Null,False]", u"[true,null,false]"},
        // A member written again moves to the end.
        Case{u"{\"a\":1,\"b\":2,\"a\":3}", u"{\"b\":2,\"a\":3}"},
        Case{u"{\"a\":1,\"A\":2}", u"{\"a\":1,\"A\":2}"}, Case{u"{\"\":1}", u"{\"\":1}"},
        // Text after the top-level value is not examined.
        Case{u"[1] trailing", u"[1]"},
        Case{u"[0.1,1E2,-0,1.0,0.5e1,12e-1,00012,1e-400]", u"[0.1,100,-0,1,5,1.2,12,0]"},
        Case{u"[1e21,1e-7,123456789,2.5e+300]", u"[1e+21,1e-07,123456789,2.5e+300]"},
        Case{u"[\"\\u00e9\\u00E9\\/\\N\\T\\\"\\\\\\b\\f\\r\\t\"]",
             u"[\"éé/\\n\\t\\\"\\\\\\b\\f\\r\\t\"]"},
        Case{u"[\"\\uD83D\\uDE00 é €\"]", u"[\"\\uD83D\\uDE00 é €\"]"}));

struct ErrorCase {
    const char16_t* text;
    int number;
    const char16_t* message;
};

class ParseError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParseError, NamesTheNumberMessageAndPosition) {
    JsonNode node;
    EXPECT_NODE_ERROR(node.setJSON(QString::fromUtf16(GetParam().text)), GetParam().number,
                      QString::fromUtf16(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ParseError,
    ::testing::Values(ErrorCase{u"", 13, u"Expected either { or [ at character 1"},
                      ErrorCase{u"  x", 13, u"Expected either { or [ at character 3"},
                      ErrorCase{u"{,\"a\":1}", 13, u"Found \",\" before first item at character 2"},
                      ErrorCase{u"{ \"a\":1 x}", 13, u"Expected , or } at character 9"},
                      ErrorCase{u"{", 13, u"Expected , or } at character 2"},
                      ErrorCase{u"{\"a\" 1}", 13, u"Expected : at character 6"},
                      // The name's closing quote is the last character: it counts as none.
                      ErrorCase{u"{\"a\"", 13, u"Expected \" at character 5"},
                      ErrorCase{u"[nul]", 13, u"Bad value at character 2"},
                      ErrorCase{u"[1,", 13, u"Bad value at character 4"},
                      ErrorCase{u"[\"a\tb\"]", 13, u"Invalid string character at 4"},
                      ErrorCase{u"[\"\\", 13, u"Bad string character escape at character 4"},
                      ErrorCase{u"[\"\\x\"]", 13, u"Bad string character escape at character 4"},
                      ErrorCase{u"[\"\\u12", 13, u"Bad string character escape at character 5"},
                      ErrorCase{u"[\"\\u12G4\"]", 13,
                                u"Bad string character escape at character 5"},
                      ErrorCase{u"[\"abc", 13, u"Expected \" at character 6"},
                      // A closing quote as the very last character counts as none.
                      ErrorCase{u"[\"abc\"", 13, u"Expected \" at character 7"},
                      ErrorCase{u"[1.2.3]", 13, u"Second decimal point at character 5"},
                      ErrorCase{u"[-.5]", 13, u"Digit expected at character 3"},
                      ErrorCase{u"[1e+5-]", 13, u"Second exponent sign at character 6"},
                      ErrorCase{u"[1", 13, u"Ran off end of string while parsing a number"},
                      ErrorCase{u"[1e5", 13, u"Ran off end of string while parsing a number"},
                      ErrorCase{u"[-]", 6, u"Number overflow or parse error at character 2"},
                      ErrorCase{u"[1e400]", 6, u"Number overflow or parse error at character 2"},
                      ErrorCase{u"[1, 2, 1e]", 6, u"Number overflow or parse error at character 8"},
                      // Positions count UTF-16 units: the emoji takes two.
                      ErrorCase{u"[\"😀\",x]", 13, u"Bad value at character 7"}));

TEST(ParseError, LeavesWhatWasReadBeforeIt) {
    JsonNode node;
    node.setJSON(QStringLiteral("[1]"));
    EXPECT_TRUE(jsontest::raisedBy([&] { node.setJSON(QStringLiteral("{\"a\":1,\"b\":[1,2")); }));
    EXPECT_FALSE(node.IsArray());
    EXPECT_EQ(node.JSON(), QStringLiteral("{\"a\":1}"));
}

QString nested(int levels) {
    return QString(levels, u'[') + QString(levels, u']');
}

TEST(ParseNesting, ReadsAThousandLevelsAndRefusesDeeper) {
    EXPECT_EQ(parsed(nested(1000)).JSON(), nested(1000));
    JsonNode node;
    EXPECT_NODE_ERROR(node.setJSON(nested(1001)), 28, "Out of stack space");
    EXPECT_NODE_ERROR(node.setJSON(QStringLiteral("{\"a\":").repeated(200000)), 28,
                      "Out of stack space");
}

TEST(ParseValues, NumbersAreDoublesUnlessInDecimalMode) {
    const QString text = QStringLiteral("[0.1,12345678901234567890.123456789,{\"a\":[0.10]}]");
    const JsonNode asDouble = parsed(text);
    EXPECT_EQ(asDouble.Item(1), JsonValue(0.1));
    EXPECT_EQ(asDouble.Item(2), JsonValue(12345678901234567890.123456789));
    EXPECT_EQ(asDouble.JSON(), QStringLiteral("[0.1,12345678901234567168,{\"a\":[0.1]}]"));

    const JsonNode asDecimal = parsed(text, true);
    EXPECT_EQ(asDecimal.Item(1), JsonValue(*JsonDecimal::fromParts(false, 1, 1)));
    EXPECT_EQ(asDecimal.Item(2).type(), JsonType::Decimal);
    EXPECT_EQ(asDecimal.JSON(), text);
    // Child nodes read their numbers in the parent's mode.
    const JsonNode child = asDecimal.Item(3).node();
    EXPECT_TRUE(child.DecimalMode());
    EXPECT_TRUE(child.Item(QStringLiteral("a")).node().DecimalMode());
}

TEST(ParseValues, DecimalModeRefusesWholeNumbersBeyondNinetySixBits) {
    EXPECT_EQ(parsed(QStringLiteral("[79228162514264337593543950335]"), true).JSON(),
              QStringLiteral("[79228162514264337593543950335]"));
    JsonNode node;
    node.setDecimalMode(true);
    EXPECT_NODE_ERROR(node.setJSON(QStringLiteral("[1, 79228162514264337593543950336]")), 6,
                      "Number overflow or parse error at character 5");
}

TEST(ParseValues, TextsKeepEveryCodeUnit) {
    // Every UTF-16 unit, lone surrogates included, survives writing and reading.
    QString all;
    for (int unit = 0; unit <= 0xFFFF; ++unit)
        all.append(QChar(char16_t(unit)));
    JsonNode node;
    node.setItem(QStringLiteral("all"), all);
    EXPECT_EQ(parsed(node.JSON()).Item(QStringLiteral("all")), JsonValue(all));
}

TEST(ParseValues, ReplacesTheWholeContent) {
    JsonNode node;
    node.setWhitespace(true);
    node.setDecimalMode(true);
    node.setJSON(QStringLiteral("[1,2]"));
    node.setJSON(QStringLiteral("{\"a\":1}"));
    EXPECT_FALSE(node.IsArray());
    EXPECT_EQ(node.Count(), 1);
    EXPECT_TRUE(node.Whitespace());
    EXPECT_TRUE(node.DecimalMode());
}

} // namespace
