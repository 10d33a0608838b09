#pragma once

#include <QString>

class JsonNode;

namespace json {

// Clears the node, then reads the text's top-level object or array into it.
// Errors name 1-based positions counted in UTF-16 code units; a failed read
// leaves what was read before the error.
void parse(JsonNode& node, const QString& text);

} // namespace json
