#pragma once

#include "platform/db/statement.h"

#include <QDateTime>
#include <functional>

namespace db {

class Connection;

using Relogio = std::function<QDateTime()>;

// Runs an insert whose row key is made from the present second, and returns
// that moment. Two rows keyed in the same second would collide: the later
// one then waits for the next second and takes that key, up to three times,
// so both are kept. Throws DbError for any other failure, and the duplicate
// key when every second tried was taken.
QDateTime insereComChaveDoMomento(Connection& cn,
                                  const std::function<Statement(const QDateTime&)>& insert,
                                  const Relogio& agora = &QDateTime::currentDateTime);

} // namespace db
