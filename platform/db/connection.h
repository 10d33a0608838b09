#pragma once

#include "platform/db/db_error.h"
#include "platform/db/recordset.h"
#include "platform/db/statement.h"
#include "platform/db/value.h"

#include <QString>
#include <memory>

namespace db {

// One ODBC connection. Statements run with bound parameters; queries come
// back as in-memory recordsets. Failures throw DbError.
class Connection {
public:
    Connection();
    explicit Connection(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setConnectionString(const QString& connectionString);
    const QString& connectionString() const { return connectionString_; }

    // Opens with the connection string set; throws when it cannot.
    void open();
    void close();
    bool isOpen() const;
    // Opens when closed; what code that "needs it and finds it closed" does.
    void ensureOpen();

    // Runs one statement; the count of rows it matched or changed.
    qint64 execute(const QString& sql, const Params& params = {});
    Recordset query(const QString& sql, const Params& params = {});
    qint64 execute(const Statement& s) { return execute(s.sql, s.params); }
    Recordset query(const Statement& s) { return query(s.sql, s.params); }
    // The key the last insert on this connection generated.
    qint64 lastInsertId();

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

private:
    // Throws the driver's "closed connection" failure when it is closed.
    void requireOpen() const;

    struct Handles;
    std::unique_ptr<Handles> h_;
    QString connectionString_;
    bool inTransaction_ = false;
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
