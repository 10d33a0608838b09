#include "json/json_node.h"

const QList<JsonMember>& JsonNode::Members() {
    static const QList<JsonMember> members = {
        {QStringLiteral("Whitespace"),
         QStringLiteral("True to insert whitespace when reading serialized contents string.")},
        {QStringLiteral("Count"), QStringLiteral("Count of Items in the list.")},
        {QStringLiteral("DecimalMode"),
         QStringLiteral(
             "Causes numbers to be parsed and stored as Decimal type instead of Double.")},
        {QStringLiteral("IsArray"),
         QStringLiteral("True if this object is a JSON array instead of a JSON object.  Must be "
                        "set before first item is added.")},
        {QStringLiteral("Item"),
         QStringLiteral("Retrieve an Item by Key or Index, change or add a new Item.")},
        {QStringLiteral("JSON"),
         QStringLiteral("A string representing the serialized contents of the object.")},
        {QStringLiteral("Name"), QStringLiteral("Retrieves list Item Name by Index.")},
        {QStringLiteral("Version"), QString()},
        {QStringLiteral("AddNewArray"),
         QStringLiteral("Create new \"array\" type Item and add it to the list, returning a "
                        "reference to it.")},
        {QStringLiteral("AddNewObject"),
         QStringLiteral("Create new \"object\" type Item and add it to the list, returning a "
                        "reference to it.")},
        {QStringLiteral("Clear"), QStringLiteral("Clears all data and sets IsArray to False.")},
        {QStringLiteral("Exists"),
         QStringLiteral("Returns True if item specified by Key or Index is present.")},
        {QStringLiteral("NewEnum"), QStringLiteral("Iterates over the Item names.")},
        {QStringLiteral("Remove"), QStringLiteral("Removes Item specified by Key or Index.")},
    };
    return members;
}
