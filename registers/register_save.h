#pragma once

#include "platform/db/statement.h"

// Runs a register's save on the shared connection, which is opened for it and
// closed again whatever happens. Returns the rows the statement matched;
// throws db::DbError.
qint64 runRegisterSave(const Statement& statement);

// Runs a save on the shared connection, opening it when closed and leaving it
// open. Returns the rows matched; throws db::DbError.
qint64 runOnSharedConnection(const Statement& statement);
