#pragma once

#include "json/json_error.h"

namespace json {

// Reading or writing nests one call per level; past this many levels the
// node raises "Out of stack space" itself rather than exhaust the stack.
inline constexpr int kMaxNesting = 1000;

[[noreturn]] inline void raiseTooDeep() {
    raise(28, QStringLiteral("Out of stack space"));
}

} // namespace json
