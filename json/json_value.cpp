#include "json/json_value.h"

#include "json/json_node.h"

JsonValue::JsonValue(const JsonNode& node) : value_(NodeRef{node.d_}) {}

JsonNode JsonValue::node() const {
    return JsonNode(std::get<NodeRef>(value_).data);
}

JsonType JsonValue::type() const {
    static constexpr JsonType kTypes[] = {
        JsonType::Empty, JsonType::Null,   JsonType::Boolean, JsonType::Byte,     JsonType::Int16,
        JsonType::Int32, JsonType::Single, JsonType::Double,  JsonType::Currency, JsonType::Decimal,
        JsonType::Text,  JsonType::Date,   JsonType::Node};
    static_assert(std::size(kTypes) == std::variant_size_v<decltype(value_)>);
    return kTypes[value_.index()];
}
