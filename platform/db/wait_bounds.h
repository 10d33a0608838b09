#pragma once

namespace db {

// How long, in seconds, a connection waits on the server. A row lock held by
// another station is given up by the server after `lockWait` (1205, which a
// unit of work runs again), well inside `statement`, the longest any
// statement waits for the server's answer: only a server or network fallen
// silent outlasts that, and the connection is then taken as lost (dropped,
// reopened by the next statement). Lists and reports read whole tables and
// wait `longStatement`. `idleTransaction` ends, at the server, a transaction
// left waiting on a station that stopped (no transaction here waits on the
// user).
struct WaitBounds {
    int lockWait = 20;
    int statement = 45;
    int longStatement = 120;
    int connect = 15;
    int idleTransaction = 60;
};

const WaitBounds& waitBounds();
// For the connections opened from now on.
void setWaitBounds(const WaitBounds& bounds);

} // namespace db
