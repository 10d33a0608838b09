#pragma once

#include "json/json_error.h"
#include "json/json_key.h"
#include "json/json_value.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

struct JsonNodeData;

// One public member and its one-line description.
struct JsonMember {
    QString name;
    QString description;
};

// One JSON object or array in memory, read from and written back to JSON
// text. An object keeps its members in the order they were written, names
// matched exactly; an array keeps positional items. Positions are 1-based.
// A JsonNode is a reference: copies share the same node, as child nodes held
// in values do. Every failure is thrown as JsonError.
class JsonNode {
public:
    // A new empty object.
    JsonNode();

    // True to insert whitespace when reading serialized contents string.
    bool Whitespace() const;
    void setWhitespace(bool value);
    // Count of Items in the list.
    int Count() const;
    // Causes numbers to be parsed and stored as Decimal type instead of Double.
    bool DecimalMode() const;
    void setDecimalMode(bool value);
    // True if this object is a JSON array instead of a JSON object. Must be
    // set before first item is added.
    bool IsArray() const;
    void setIsArray(bool value);
    // Retrieve an Item by Key or Index, change or add a new Item.
    JsonValue Item(const JsonKey& key) const;
    void setItem(const JsonKey& key, const JsonValue& value);
    // A string representing the serialized contents of the object.
    QString JSON() const;
    void setJSON(const QString& text);
    // Retrieves list Item Name by Index.
    QString Name(int index) const;
    QStringList Version() const;
    // Create new "array" type Item and add it to the list, returning a
    // reference to it. Without a key it is appended to an array.
    JsonNode AddNewArray(const JsonKey& key = {});
    // Create new "object" type Item and add it to the list, returning a
    // reference to it. Without a key it is appended to an array.
    JsonNode AddNewObject(const JsonKey& key = {});
    // Clears all data and sets IsArray to False.
    void Clear();
    // Returns True if item specified by Key or Index is present.
    bool Exists(const JsonKey& key) const;
    // Iterates over the Item names.
    QStringList NewEnum() const;
    // Removes Item specified by Key or Index.
    void Remove(const JsonKey& key);

    // The public members in slot order, with their descriptions.
    static const QList<JsonMember>& Members();

    // Whether both handles refer to the same node.
    friend bool operator==(const JsonNode&, const JsonNode&) = default;

private:
    friend class JsonValue;
    explicit JsonNode(std::shared_ptr<JsonNodeData> data) : d_(std::move(data)) {}

    std::shared_ptr<JsonNodeData> d_;
};
