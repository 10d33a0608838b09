#pragma once

#include "platform/db/db_error.h"
#include "platform/db/recordset.h"
#include "platform/db/statement.h"
#include "platform/db/value.h"

#include <QString>
#include <memory>
#include <optional>

namespace db {

// One ODBC connection. Statements run with bound parameters; queries come
// back as in-memory recordsets. Failures throw DbError.
//
// A statement that finds the connection closed opens it first. When the
// connection is lost (server restarted, network, killed) it is dropped and
// opened again: a read is then run once more; a write only when it was never
// sent (the connection was tested before sending it); inside a transaction
// nothing is run again, the transaction is over.
//
// Every wait on the server is bounded (wait_bounds.h): a statement that gets
// no answer within its bound ends as a lost connection.
class Connection {
public:
    Connection();
    explicit Connection(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setConnectionString(const QString& connectionString);
    const QString& connectionString() const { return connectionString_; }
    // Its statements may read whole tables (lists, reports) and wait the
    // longer bound; from the next open on.
    void setLongStatements(bool on) { longStatements_ = on; }

    // Opens with the connection string set; throws when it cannot (with
    // Loss::ServerDown when the server does not answer).
    void open();
    // Rolls back an open transaction, whose next statement then fails.
    void close();
    bool isOpen() const;
    // Opens when closed; what code that "needs it and finds it closed" does.
    void ensureOpen();

    // Runs one statement; the count of rows it matched or changed.
    qint64 execute(const QString& sql, const Params& params = {});
    Recordset query(const QString& sql, const Params& params = {});
    qint64 execute(const Statement& s) { return execute(s.sql, s.params); }
    Recordset query(const Statement& s) { return query(s.sql, s.params); }
    // The key the last insert on this connection generated; never asked of a
    // connection opened since.
    qint64 lastInsertId();

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

private:
    enum class Kind { Read, Write, FollowUp };
    template <class Work> auto guarded(Kind kind, Work&& work);
    // The work's result; on a lost connection, the connection is dropped and
    // the loss thrown as `loss`, or with Loss::None nothing is returned.
    template <class Work> auto attempt(Work& work, Loss loss) -> std::optional<decltype(work())>;
    // A failed call on the connection itself, thrown; as `loss` when the
    // connection is gone.
    void checkHandle(short rc, const char* what, Loss loss);
    qint64 executeOnce(const QString& sql, const Params& params);
    Recordset queryOnce(const QString& sql, const Params& params);
    // Forgets a connection known or found to be lost, handle and all, so the
    // next open starts from the driver's defaults.
    void drop();
    // Open and answering, reopened when the server dropped it while idle.
    void makeReady();
    // The session's own bounds, set once it is open.
    void boundSession();
    bool answers();
    void restoreAutocommit();

    struct Handles;
    std::unique_ptr<Handles> h_;
    QString connectionString_;
    bool longStatements_ = false;
    bool inTransaction_ = false;
    // The transaction's connection was lost or closed: its statements fail
    // until it is rolled back.
    bool transactionLost_ = false;
};

// Begins on construction; rolls back on destruction unless committed, so any
// failure in between leaves nothing half-written.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool done_ = false;
};

} // namespace db
