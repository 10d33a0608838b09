#include "test_json_support.h"

using jsontest::parsed;

namespace {

const char* const kInvalidArgument = "Invalid procedure call or argument";
const char* const kOutOfRange = "Subscript out of range";

#define EXPECT_LIST_ERROR(action, number_, description_)                                           \
    EXPECT_JSON_ERROR(action, number_, description_, "Quendaro")

JsonNode array(const char* text = "[1,2,3]") {
    return parsed(QString::fromUtf8(text));
}
JsonNode object(const char* text = "{\"a\":1,\"b\":2,\"c\":3}") {
    return parsed(QString::fromUtf8(text));
}

TEST(NodeState, NewNodeIsAnEmptyObject) {
    const JsonNode node;
    EXPECT_EQ(node.Count(), 0);
    EXPECT_FALSE(node.IsArray());
    EXPECT_FALSE(node.DecimalMode());
    EXPECT_FALSE(node.Whitespace());
    EXPECT_EQ(node.JSON(), QStringLiteral("{}"));
    EXPECT_EQ(node.Version(), QStringList{QStringLiteral("1.7")});
}

TEST(NodeState, IsArrayChangesOnlyWhileEmpty) {
    JsonNode node;
    node.setIsArray(true);
    EXPECT_EQ(node.JSON(), QStringLiteral("[]"));
    node.setItem({}, 1);
    EXPECT_NODE_ERROR(node.setIsArray(false), 5,
                      "Cannot change IsArray setting after items have been added");
    EXPECT_NODE_ERROR(node.setIsArray(true), 5,
                      "Cannot change IsArray setting after items have been added");
    EXPECT_TRUE(node.IsArray());
    node.Remove(1);
    node.setIsArray(false);
    node.setItem(QStringLiteral("a"), 1);
    EXPECT_EQ(node.JSON(), QStringLiteral("{\"a\":1}"));
}

TEST(NodeState, ClearEmptiesAndMakesAnObjectButKeepsTheModes) {
    JsonNode node = array();
    node.setDecimalMode(true);
    node.setWhitespace(true);
    node.Clear();
    EXPECT_EQ(node.Count(), 0);
    EXPECT_FALSE(node.IsArray());
    EXPECT_TRUE(node.DecimalMode());
    EXPECT_TRUE(node.Whitespace());
    node.setItem(QStringLiteral("a"), 1);
    EXPECT_EQ(node.Count(), 1);
}

TEST(NodeItem, ReadingFailures) {
    const JsonNode arr = array();
    const JsonNode obj = object();
    EXPECT_NODE_ERROR(obj.Item({}), 94, "Key must be String or an index)");
    EXPECT_NODE_ERROR(arr.Item({}), 94, "Key must be String or an index)");
    EXPECT_NODE_ERROR(arr.Item("a"), 5, "Array values can only be acessed by index");
    EXPECT_LIST_ERROR(obj.Item("z"), 5, kInvalidArgument);
    EXPECT_LIST_ERROR(obj.Item(0), 9, kOutOfRange);
    EXPECT_LIST_ERROR(arr.Item(4), 9, kOutOfRange);
    EXPECT_LIST_ERROR(arr.Item(-1), 9, kOutOfRange);
}

TEST(NodeItem, ObjectsReadByNameOrPosition) {
    const JsonNode obj = object();
    EXPECT_EQ(obj.Item("b"), JsonValue(2.0));
    EXPECT_EQ(obj.Item(3), JsonValue(3.0));
}

struct ArrayWrite {
    JsonKey key;
    const char* written;
};

class NodeArrayWrite : public ::testing::TestWithParam<ArrayWrite> {};

TEST_P(NodeArrayWrite, AppendsOrReplacesInPlace) {
    JsonNode node = array();
    node.setItem(GetParam().key, 9);
    EXPECT_EQ(node.JSON(), QLatin1String(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(Positions, NodeArrayWrite,
                         ::testing::Values(ArrayWrite{JsonKey(), "[1,2,3,9]"},
                                           ArrayWrite{4, "[1,2,3,9]"}, ArrayWrite{40, "[1,2,3,9]"},
                                           ArrayWrite{3, "[1,2,9]"}, ArrayWrite{1, "[9,2,3]"}));

TEST(NodeItem, WritingFailuresChangeNothing) {
    JsonNode arr = array();
    JsonNode obj = object();
    EXPECT_NODE_ERROR(arr.setItem("a", 1), 5,
                      "Array values can only be changed by index or added via Null");
    EXPECT_LIST_ERROR(arr.setItem(0, 1), 9, kOutOfRange);
    EXPECT_NODE_ERROR(obj.setItem(1, 1), 5,
                      "Object values can only be changed or added by key not by index");
    EXPECT_NODE_ERROR(obj.setItem({}, 1), 5,
                      "Object values can only be changed or added by key not by index");
    EXPECT_EQ(arr.JSON(), QStringLiteral("[1,2,3]"));
    EXPECT_EQ(obj.JSON(), QStringLiteral("{\"a\":1,\"b\":2,\"c\":3}"));
}

TEST(NodeMembers, KeepWritingOrderAndMoveARewrittenOneToTheEnd) {
    JsonNode node;
    for (const char* name : {"z", "a", "m"})
        node.setItem(name, true);
    EXPECT_EQ(node.NewEnum(), (QStringList{"z", "a", "m"}));
    node.setItem("z", false);
    EXPECT_EQ(node.NewEnum(), (QStringList{"a", "m", "z"}));
    EXPECT_EQ(node.Name(3), QStringLiteral("z"));
    EXPECT_EQ(node.Item(3), JsonValue(false));
    EXPECT_EQ(node.JSON(), QStringLiteral("{\"a\":true,\"m\":true,\"z\":false}"));
}

TEST(NodeMembers, NamesDifferingOnlyInLetterCaseAreDistinct) {
    JsonNode node;
    node.setItem("nome", 1);
    node.setItem("Nome", 2);
    node.setItem("NOME", 3);
    node.setItem("nomé", 4);
    EXPECT_EQ(node.Count(), 4);
    EXPECT_EQ(node.Item("Nome"), JsonValue(2));
    EXPECT_FALSE(node.Exists("nOme"));
    node.Remove("NOME");
    EXPECT_EQ(node.NewEnum(), (QStringList{"nome", "Nome", "nomé"}));
    EXPECT_EQ(node.Item("nome"), JsonValue(1));
}

TEST(NodeMembers, NamesAndEnumerationAreForObjectsOnly) {
    const JsonNode arr = array();
    EXPECT_NODE_ERROR(arr.Name(1), 5, "Array items do not have names");
    EXPECT_NODE_ERROR(arr.NewEnum(), 5, "Arrays must be iterated using index values");
    EXPECT_LIST_ERROR(object().Name(4), 9, kOutOfRange);
    EXPECT_TRUE(JsonNode().NewEnum().isEmpty());
}

struct ExistsCase {
    const char* text;
    JsonKey key;
    bool exists;
};

class NodeExists : public ::testing::TestWithParam<ExistsCase> {};

TEST_P(NodeExists, AnswersWithoutRaising) {
    EXPECT_EQ(parsed(QString::fromUtf8(GetParam().text)).Exists(GetParam().key), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NodeExists,
    ::testing::Values(ExistsCase{"{\"a\":1,\"b\":2}", "a", true},
                      ExistsCase{"{\"a\":1,\"b\":2}", "A", false},
                      ExistsCase{"{\"a\":1,\"b\":2}", "", false},
                      ExistsCase{"{\"\":null}", "", true}, ExistsCase{"{\"a\":1,\"b\":2}", 2, true},
                      ExistsCase{"{\"a\":1,\"b\":2}", 3, false},
                      ExistsCase{"{\"a\":1,\"b\":2}", 0, false},
                      ExistsCase{"{\"a\":1,\"b\":2}", JsonKey(), false},
                      // An array answers for its positions, never for names.
                      ExistsCase{"[1,2]", 1, true}, ExistsCase{"[1,2]", 2, true},
                      ExistsCase{"[1,2]", 3, false}, ExistsCase{"[1,2]", 0, false},
                      ExistsCase{"[1,2]", "1", false}, ExistsCase{"[]", 1, false}));

struct RemoveCase {
    const char* text;
    JsonKey key;
    const char* left;
};

class NodeRemove : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(NodeRemove, RemovesOrIgnores) {
    JsonNode node = parsed(QString::fromUtf8(GetParam().text));
    node.Remove(GetParam().key);
    EXPECT_EQ(node.JSON(), QLatin1String(GetParam().left));
    if (!node.IsArray()) {
        EXPECT_EQ(node.NewEnum().size(), node.Count());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NodeRemove,
    ::testing::Values(RemoveCase{"{\"a\":1,\"b\":2}", "a", "{\"b\":2}"},
                      RemoveCase{"{\"a\":1,\"b\":2}", "z", "{\"a\":1,\"b\":2}"},
                      RemoveCase{"{\"a\":1,\"b\":2}", 2, "{\"a\":1}"},
                      RemoveCase{"{\"a\":1,\"b\":2}", 3, "{\"a\":1,\"b\":2}"},
                      RemoveCase{"[1,2,3]", 3, "[1,2]"}, RemoveCase{"[1,2,3]", 1, "[2,3]"},
                      RemoveCase{"[1,2,3]", 4, "[1,2,3]"}));

TEST(NodeRemoveFailures, ByNameOnArraysAndBelowOne) {
    JsonNode arr = array();
    EXPECT_NODE_ERROR(arr.Remove("a"), 5, "Must remove by index for arrays");
    EXPECT_LIST_ERROR(arr.Remove(0), 9, kOutOfRange);
    EXPECT_LIST_ERROR(object().Remove(-2), 9, kOutOfRange);
    EXPECT_LIST_ERROR(arr.Remove({}), 5, kInvalidArgument);
    EXPECT_EQ(arr.Count(), 3);
}

TEST(NodeChildren, AreHeldByReference) {
    JsonNode node;
    JsonNode list = node.AddNewArray("list");
    JsonNode inner = list.AddNewObject();
    inner.setItem("x", "y");
    list.setItem({}, 2);
    EXPECT_TRUE(list.IsArray());
    EXPECT_FALSE(inner.IsArray());
    EXPECT_EQ(node.Item("list").node(), list);
    EXPECT_EQ(node.JSON(), QStringLiteral("{\"list\":[{\"x\":\"y\"},2]}"));
    // A node taken out of one tree lives on with its content.
    node.Remove("list");
    EXPECT_EQ(list.JSON(), QStringLiteral("[{\"x\":\"y\"},2]"));
}

TEST(NodeChildren, AddNewWithoutKeyAppendsToArraysOnly) {
    JsonNode arr = array();
    arr.AddNewObject();
    arr.AddNewArray(2);
    EXPECT_EQ(arr.JSON(), QStringLiteral("[1,[],3,{}]"));
    JsonNode obj;
    EXPECT_NODE_ERROR(obj.AddNewArray(), 5,
                      "Object values can only be changed or added by key not by index");
    EXPECT_EQ(obj.Count(), 0);
}

TEST(NodeChildren, DestroyingAVeryDeepTreeKeepsTheStack) {
    JsonNode top;
    JsonNode last = top;
    for (int level = 0; level < 300000; ++level)
        last = last.AddNewObject("n");
    last = JsonNode();
    top = JsonNode();
    // A deep tree inside one that is kept: removing it tears it down too.
    JsonNode keeper;
    JsonNode deep = keeper.AddNewArray("deep");
    for (int level = 0; level < 300000; ++level)
        deep = deep.AddNewArray();
    deep = JsonNode();
    keeper.Remove("deep");
    EXPECT_EQ(keeper.Count(), 0);
}

TEST(NodeMembersTable, ListsTheMembersInSlotOrderWithTheirDescriptions) {
    QStringList names;
    for (const JsonMember& member : JsonNode::Members())
        names.append(member.name);
    EXPECT_EQ(names, (QStringList{"Whitespace", "Count", "DecimalMode", "IsArray", "Item", "JSON",
                                  "Name", "Version", "AddNewArray", "AddNewObject", "Clear",
                                  "Exists", "NewEnum", "Remove"}));
    EXPECT_EQ(JsonNode::Members().at(3).description,
              QStringLiteral("True if this object is a JSON array instead of a JSON object.  "
                             "Must be set before first item is added."));
    EXPECT_EQ(JsonNode::Members().at(8).description,
              QStringLiteral("Create new \"array\" type Item and add it to the list, returning "
                             "a reference to it."));
}

} // namespace
