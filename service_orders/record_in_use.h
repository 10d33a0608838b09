#pragma once

#include <functional>

class QWidget;
namespace db {
class Connection;
class DbError;
} // namespace db

// Units of work that met another station's lock on every attempt: the user
// is told the record is in use and may try again; nothing was written.
namespace recordinuse {

// Reports a failed unit of work: a lasting lock conflict as a record in use,
// any other failure as the system reports a failed statement.
void mostraFalha(const db::DbError& e);
// Runs `work` on the shared connection as shared::withConnection does, with
// a lasting lock conflict reported as a record in use; false after a failure.
bool naConexao(QWidget* busy, const std::function<void(db::Connection&)>& work);

} // namespace recordinuse
