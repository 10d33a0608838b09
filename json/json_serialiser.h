#pragma once

#include <QString>

class JsonNode;

namespace json {

// The node as JSON text, laid out by the node's own Whitespace setting
// (child nodes' settings are not consulted): with it, one item a line,
// 4 blanks of indent a level, CR LF between lines.
QString serialise(const JsonNode& node);

} // namespace json
