#pragma once

#include "json/json_keyed_list.h"
#include "json/json_value.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

// The state one JsonNode handle refers to.
struct JsonNodeData {
    bool whitespace = false;
    bool decimalMode = false;
    bool isArray = false;
    // Every value in order; an object's are stored under their member keys.
    json::KeyedList<JsonValue> values;
    // An object's names, under the same member keys; arrays have none.
    std::optional<json::KeyedList<QString>> names = json::KeyedList<QString>();

    JsonNodeData() = default;
    JsonNodeData(const JsonNodeData&) = delete;
    JsonNodeData& operator=(const JsonNodeData&) = delete;
    // Takes a deep tree apart level by level instead of by nested destructors,
    // which would run out of stack.
    ~JsonNodeData();

private:
    void moveChildrenTo(std::vector<std::shared_ptr<JsonNodeData>>& pending);
};
