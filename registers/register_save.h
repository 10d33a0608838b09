#pragma once

#include "platform/db/loaded_row.h"
#include "platform/db/statement.h"

// How a register's save uses the shared connection: most close it, open it
// for the save and close it again whatever happens; the supply register
// opens it when closed and leaves it open.
enum class SaveConnection { Reopened, KeptOpen };

// Runs a register's insert on the shared connection; throws db::DbError.
void runRegisterInsert(SaveConnection use, const Statement& insert);

// Runs a register's update on the shared connection over the row `stored`
// reads, only while that row is still as loaded; throws db::DbError.
db::SaveOver runRegisterUpdate(SaveConnection use, const Statement& stored,
                               const db::LoadedRow& loaded, const Statement& update);
