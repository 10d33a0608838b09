#include "test_json_support.h"

#include <limits>

using jsontest::parsed;

namespace {

const QString kExample = QStringLiteral("{\"a\":1,\"b\":[1,2]}");

// The text of an array holding just this value.
QString inArray(const JsonValue& value) {
    JsonNode node;
    node.setIsArray(true);
    node.setItem({}, value);
    return node.JSON();
}

TEST(SerialiseLayout, WhitespacePutsOneItemALineIndentedByFour) {
    JsonNode node = parsed(kExample);
    node.setWhitespace(true);
    EXPECT_EQ(node.JSON(), QStringLiteral("{\r\n"
                                          "    \"a\":1,\r\n"
                                          "    \"b\":[\r\n"
                                          "        1,\r\n"
                                          "        2\r\n"
                                          "    ]\r\n"
                                          "}"));
    // And the laid-out text reads back to the same content.
    EXPECT_EQ(parsed(node.JSON()).JSON(), kExample);
}

TEST(SerialiseLayout, EmptyNodesStayOnTheirLine) {
    JsonNode node = parsed(QStringLiteral("[{},[],{\"a\":[{\"b\":null}]}]"));
    node.setWhitespace(true);
    EXPECT_EQ(node.JSON(), QStringLiteral("[\r\n"
                                          "    {},\r\n"
                                          "    [],\r\n"
                                          "    {\r\n"
                                          "        \"a\":[\r\n"
                                          "            {\r\n"
                                          "                \"b\":null\r\n"
                                          "            }\r\n"
                                          "        ]\r\n"
                                          "    }\r\n"
                                          "]"));
    node.Clear();
    EXPECT_EQ(node.JSON(), QStringLiteral("{}"));
}

TEST(SerialiseLayout, OnlyTheWrittenNodeDecidesWhitespace) {
    JsonNode node = parsed(kExample);
    JsonNode child = node.Item(QStringLiteral("b")).node();
    child.setWhitespace(true);
    EXPECT_EQ(node.JSON(), kExample);
    EXPECT_EQ(child.JSON(), QStringLiteral("[\r\n    1,\r\n    2\r\n]"));
}

struct EscapeCase {
    char16_t unit;
    const char16_t* written;
};

class SerialiseEscape : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(SerialiseEscape, FollowsTheTable) {
    EXPECT_EQ(inArray(QString(QChar(GetParam().unit))),
              QStringLiteral("[\"%1\"]").arg(QString::fromUtf16(GetParam().written)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SerialiseEscape,
    ::testing::Values(
        EscapeCase{u'"', u"\\\""}, EscapeCase{u'\\', u"\\\\"}, EscapeCase{u'\b', u"\\b"},
        EscapeCase{u'\f', u"\\f"}, EscapeCase{u'\n', u"\\n"}, EscapeCase{u'\r', u"\\r"},
        EscapeCase{u'\t', u"\\t"}, EscapeCase{u'/', u"/"}, EscapeCase{u' ', u" "},
        EscapeCase{u'~', u"~"}, EscapeCase{0x00, u"\\u0000"}, EscapeCase{0x1F, u"\\u001F"},
        EscapeCase{0x7F, u"\\u007F"}, EscapeCase{0x9F, u"\\u009F"}, EscapeCase{0xA0, u"\u00A0"},
        EscapeCase{0xE9, u"é"}, EscapeCase{0x034E, u"\u034E"}, EscapeCase{0x034F, u"\\u034F"},
        EscapeCase{0x200A, u"\u200A"}, EscapeCase{0x200B, u"\\u200B"},
        EscapeCase{0x200F, u"\\u200F"}, EscapeCase{0x2010, u"\u2010"},
        EscapeCase{0x2028, u"\\u2028"}, EscapeCase{0x202E, u"\\u202E"},
        EscapeCase{0x202F, u"\u202F"}, EscapeCase{0x2060, u"\\u2060"},
        EscapeCase{0xFE00, u"\uFE00"}, EscapeCase{0xFE01, u"\\uFE01"},
        EscapeCase{0xFE0F, u"\\uFE0F"}, EscapeCase{0xFEFF, u"\\uFEFF"},
        EscapeCase{0xFFFD, u"\\uFFFD"}, EscapeCase{0xFFFC, u"\uFFFC"},
        EscapeCase{0xD800, u"\\uD800"}, EscapeCase{0xDFFF, u"\\uDFFF"}));

TEST(SerialiseText, EscapesNamesAndEachSurrogateHalf) {
    JsonNode node;
    node.setItem(QStringLiteral("a\"b\tc\u2028"), QStringLiteral("x😀é/"));
    EXPECT_EQ(node.JSON(), QStringLiteral("{\"a\\\"b\\tc\\u2028\":\"x\\uD83D\\uDE00é/\"}"));
}

struct NumberCase {
    JsonValue value;
    const char* written;
};

class SerialiseNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SerialiseNumber, WritesLocaleFreeLowerCaseText) {
    EXPECT_EQ(inArray(GetParam().value),
              QStringLiteral("[%1]").arg(QLatin1String(GetParam().written)));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SerialiseNumber,
    ::testing::Values(
        NumberCase{JsonValue(), "null"}, NumberCase{JsonValue::null(), "null"},
        NumberCase{true, "true"}, NumberCase{false, "false"}, NumberCase{quint8(255), "255"},
        NumberCase{qint16(-32768), "-32768"}, NumberCase{qint32(-2147483647 - 1), "-2147483648"},
        NumberCase{1.1f, "1.1"}, NumberCase{-3.0e38f, "-3e+38"}, NumberCase{1.5, "1.5"},
        NumberCase{0.1 + 0.2, "0.30000000000000004"}, NumberCase{1e21, "1e+21"},
        NumberCase{1e-7, "1e-07"}, NumberCase{-0.0, "-0"}, NumberCase{5e-324, "5e-324"},
        NumberCase{std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        NumberCase{JsonCurrency::fromTenThousandths(15000), "1.5"},
        NumberCase{JsonCurrency::fromTenThousandths(-1), "-0.0001"},
        NumberCase{JsonCurrency::fromTenThousandths(120000), "12"},
        NumberCase{JsonCurrency::fromTenThousandths(std::numeric_limits<qint64>::min()),
                   "-922337203685477.5808"},
        NumberCase{*JsonDecimal::fromText(u"0.10"), "0.10"},
        NumberCase{*JsonDecimal::fromText(u"-1e-3"), "-0.001"}));

TEST(SerialiseError, NonFiniteNumbersAreRefusedNotWritten) {
    JsonNode node;
    node.setItem(QStringLiteral("x"), std::numeric_limits<double>::quiet_NaN());
    EXPECT_NODE_ERROR(node.JSON(), 51, "x, value nan failed to serialize");
    node.Clear();
    node.setIsArray(true);
    node.setItem({}, std::numeric_limits<double>::infinity());
    EXPECT_NODE_ERROR(node.JSON(), 51, ", value inf failed to serialize");
    node.setItem(1, -std::numeric_limits<float>::infinity());
    EXPECT_NODE_ERROR(node.JSON(), 51, ", value -inf failed to serialize");
    // Once the value is replaced the node writes again.
    node.setItem(1, 2.5);
    EXPECT_EQ(node.JSON(), QStringLiteral("[2.5]"));
}

TEST(SerialiseError, DatesAreAnUnsupportedKind) {
    const QDateTime when(QDate(2024, 5, 1), QTime(12, 0));
    JsonNode node;
    node.AddNewObject(QStringLiteral("inner")).setItem(QStringLiteral("when"), when);
    EXPECT_NODE_ERROR(node.JSON(), 51, "when, unknown/unsupported type = 7");
    EXPECT_EQ(node.Item(QStringLiteral("inner")).node().Item(QStringLiteral("when")),
              JsonValue(when));
}

JsonNode chain(int levels) {
    JsonNode top;
    top.setIsArray(true);
    JsonNode last = top;
    for (int level = 2; level <= levels; ++level)
        last = last.AddNewArray();
    return top;
}

TEST(SerialiseNesting, WritesAThousandLevelsAndRefusesDeeper) {
    EXPECT_EQ(chain(1000).JSON(), QString(1000, u'[') + QString(1000, u']'));
    EXPECT_NODE_ERROR(chain(1001).JSON(), 28, "Out of stack space");
}

TEST(SerialiseNesting, ANodeInsideItselfIsRefused) {
    JsonNode node;
    node.setItem(QStringLiteral("self"), node);
    node.setWhitespace(true);
    EXPECT_NODE_ERROR(node.JSON(), 28, "Out of stack space");
    // Clearing breaks the cycle; the node is usable again.
    node.Clear();
    EXPECT_EQ(node.JSON(), QStringLiteral("{}"));
}

} // namespace
