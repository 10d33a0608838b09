#pragma once

namespace db {
class Connection;
}

// The schema change a new version needs: the reversal history table. Throws
// the database's error (1050 when the table exists already).
void criaTabelaEstornos(db::Connection& cn);
