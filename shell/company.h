#pragma once

#include <QString>

namespace db {
class Connection;
}

// Reads every row of `empresa` into the shared company values; the last row
// read wins and no row leaves them empty (the trade name is only overwritten).
void readCompany(db::Connection& connection);
