#pragma once

#include "registers/json/json_keyed_list.h"
#include "registers/json/json_value.h"

#include <QString>
#include <memory>
#include <vector>

// The state one JsonNode handle refers to.
struct JsonNodeData {
    bool whitespace = false;
    bool decimalMode = false;
    bool isArray = false;
    // Every value in order; an object's are keyed by their names (matched
    // exactly, letter case included), an array's have no key.
    json::KeyedList<JsonValue> values;

    JsonNodeData() = default;
    JsonNodeData(const JsonNodeData&) = delete;
    JsonNodeData& operator=(const JsonNodeData&) = delete;
    // Takes a deep tree apart level by level instead of by nested destructors,
    // which would run out of stack.
    ~JsonNodeData();

private:
    void moveChildrenTo(std::vector<std::shared_ptr<JsonNodeData>>& pending);
};
