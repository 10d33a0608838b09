#pragma once

#include "platform/db/statement.h"

#include <QDateTime>
#include <functional>

namespace db {
class Connection;
}

using Relogio = std::function<QDateTime()>;

// Runs an insert whose row key is made from the present second. Two rows
// saved by one user within the same second would get the same key: the later
// one then waits for the next second and takes that key, so both are kept.
// Throws db::DbError for any other failure.
void insereComChaveDoMomento(db::Connection& cn,
                             const std::function<Statement(const QDateTime&)>& insert,
                             const Relogio& agora = &QDateTime::currentDateTime);
