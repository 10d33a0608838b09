#pragma once

#include "json/json_currency.h"
#include "json/json_decimal.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <variant>

class JsonNode;
struct JsonNodeData;

// The kinds of value a node holds, numbered as the platform numbers its value
// types (the serialiser reports the number of a kind it cannot write).
enum class JsonType {
    Empty = 0,
    Null = 1,
    Int16 = 2,
    Int32 = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    Text = 8,
    Node = 9,
    Boolean = 11,
    Decimal = 14,
    Byte = 17,
};

struct JsonNull {
    friend bool operator==(JsonNull, JsonNull) = default;
};

// One value of a node. A child node is held by reference: copies of the
// value, and the node handed out by node(), are the same node.
class JsonValue {
public:
    // The empty value, written as null.
    JsonValue() = default;
    JsonValue(JsonNull) : value_(JsonNull{}) {}
    JsonValue(bool value) : value_(value) {}
    JsonValue(quint8 value) : value_(value) {}
    JsonValue(qint16 value) : value_(value) {}
    JsonValue(qint32 value) : value_(value) {}
    JsonValue(float value) : value_(value) {}
    JsonValue(double value) : value_(value) {}
    JsonValue(JsonCurrency value) : value_(value) {}
    JsonValue(JsonDecimal value) : value_(value) {}
    JsonValue(const QString& value) : value_(value) {}
    JsonValue(const char* value) : value_(QString::fromUtf8(value)) {}
    JsonValue(const char16_t* value) : value_(QString::fromUtf16(value)) {}
    JsonValue(const QDateTime& value) : value_(value) {}
    JsonValue(const JsonNode& node);

    static JsonValue null() { return JsonValue(JsonNull{}); }

    JsonType type() const;
    // The value of a plain kind (bool, quint8, qint16, qint32, float, double,
    // JsonCurrency, JsonDecimal, QString, QDateTime); throws
    // std::bad_variant_access for another kind.
    template <typename T> const T& as() const { return std::get<T>(value_); }
    // The child node; throws std::bad_variant_access unless type() is Node.
    JsonNode node() const;

    // Child nodes compare by identity.
    friend bool operator==(const JsonValue&, const JsonValue&) = default;

private:
    friend struct JsonNodeData;

    struct NodeRef {
        std::shared_ptr<JsonNodeData> data;
        friend bool operator==(const NodeRef&, const NodeRef&) = default;
    };

    std::variant<std::monostate, JsonNull, bool, quint8, qint16, qint32, float, double,
                 JsonCurrency, JsonDecimal, QString, QDateTime, NodeRef>
        value_;
};
