#pragma once

#include "registers/statement.h"

// Runs a register's save on the shared connection, which is opened for it and
// closed again whatever happens. Returns the rows the statement matched;
// throws db::DbError.
qint64 runRegisterSave(const Statement& statement);
