#pragma once

#include "platform/db/recordset.h"

#include <sql.h>

#include <functional>

namespace db {

// Throws the statement's failure when `rc` is one, naming `what` failed.
using Check = std::function<void(SQLRETURN rc, const char* what)>;

// Reads every row of the result set of an executed statement. Values come in
// blocks of rows, each column into an array of its own; only columns too
// long for such an array are read value by value.
Recordset fetchAll(SQLHSTMT stmt, const Check& check);

} // namespace db
