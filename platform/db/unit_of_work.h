#pragma once

#include "platform/db/connection.h"

namespace db {

// Sleeps a short random while, longer at each attempt, so two units that met
// do not meet again in step.
void pauseBeforeRetry(int attempt);

// Runs `unit(Transaction&)` in a transaction of its own and returns what it
// returns; the unit commits when its work is done, and anything else rolls
// back. On a lock conflict the transaction is rolled back and the unit runs
// again from its start, up to three more times; then the conflict is thrown.
// A connection the server dropped while idle is opened again before the unit
// starts; one lost during the unit ends it (DbError::loss() says whether the
// commit may have been done), never run again.
// The unit must not show anything: it may run more than once.
template <class Unit> auto unitOfWork(Connection& cn, Unit&& unit) {
    constexpr int retries = 3;
    for (int attempt = 0;; ++attempt) {
        try {
            Transaction t(cn);
            return unit(t);
        } catch (const DbError& e) {
            if (!e.isLockConflict() || attempt == retries)
                throw;
        }
        pauseBeforeRetry(attempt);
    }
}

} // namespace db
