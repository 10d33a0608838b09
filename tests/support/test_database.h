#pragma once

#include "tests/support/qt_printers.h"

#include <QString>

namespace db {
class Connection;
}

namespace testsupport {

// The test server as the program reaches it: the connection string in the
// program's own form, for `database` (empty: no database selected).
QString connectionString(const QString& database = QString());
// The database name a test program (plus `suffix`) uses.
QString databaseName(const QString& suffix = QString());
// Drops and creates a database named after the running test program (plus
// `suffix`), loads db/schema.sql into it, and returns its connection string.
QString freshDatabase(const QString& suffix = QString());
// Runs every statement of a SQL file split at ";" line ends.
void loadSqlFile(db::Connection& connection, const QString& path);
QString sourceDir();

} // namespace testsupport
