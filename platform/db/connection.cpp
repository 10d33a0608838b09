#include "platform/db/connection.h"

#include "platform/db/block_fetch.h"
#include "platform/db/exact_amounts.h"
#include "platform/db/wait_bounds.h"

#include <sql.h>
#include <sqlext.h>

#include <QByteArray>
#include <QRegularExpression>
#include <cstring>
#include <optional>

namespace db {

namespace {

// The driver puts its own name and version, and the server's, in front of
// every text ("[ma-3.1.15][10.11.19-MariaDB]Duplicate entry..."): noise to a user.
QString withoutTags(const QString& text) {
    static const QRegularExpression tags(QStringLiteral("^(\\[[^\\]]*\\])+"));
    return QString(text).remove(tags);
}

// A failure to connect that means the server is not there, rather than a
// refused login or a wrong setting.
bool unreachable(const DbError& e) {
    return e.sqlState() == QLatin1String("08001") || e.number() == 2002 || e.number() == 2003 ||
           e.isConnectionLoss();
}

// What may safely run twice: it changes nothing.
bool isRead(const QString& sql) {
    QStringView s = QStringView(sql).trimmed();
    while (s.startsWith(QLatin1Char('(')))
        s = s.mid(1).trimmed();
    return s.startsWith(QLatin1String("select"), Qt::CaseInsensitive) ||
           s.startsWith(QLatin1String("show"), Qt::CaseInsensitive);
}

// The database a connection string names, its braces taken off.
QString databaseOf(const QString& connectionString) {
    static const QRegularExpression key(
        QStringLiteral("(?:^|;)\\s*(?:database|db)\\s*=\\s*(\\{(?:[^}]|\\}\\})*\\}|[^;]*)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = key.match(connectionString);
    QString value = m.captured(1).trimmed();
    if (value.startsWith(QLatin1Char('{')) && value.endsWith(QLatin1Char('}')))
        value = value.mid(1, value.size() - 2).replace(QStringLiteral("}}"), QStringLiteral("}"));
    return value;
}

DbError lostTransaction() {
    return DbError(2013, QStringLiteral("08S01"),
                   QStringLiteral("A conexão da transação foi perdida."), Loss::Transaction);
}

QString diagnostics(SQLSMALLINT type, SQLHANDLE handle, int* native, QString* state) {
    QString text;
    *native = 0;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR sqlState[6] = {};
        SQLINTEGER nativeError = 0;
        SQLCHAR message[2048] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRecA(type, handle, i, sqlState, &nativeError, message,
                                            sizeof(message), &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        if (i == 1) {
            *native = static_cast<int>(nativeError);
            *state = QString::fromLatin1(reinterpret_cast<const char*>(sqlState));
        }
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += withoutTags(QString::fromUtf8(reinterpret_cast<const char*>(message)));
    }
    return text;
}

DbError errorOf(SQLSMALLINT type, SQLHANDLE handle, const QString& fallback) {
    int native = 0;
    QString state;
    QString text = handle ? diagnostics(type, handle, &native, &state) : QString();
    if (text.isEmpty())
        text = fallback;
    return DbError(native, state, text);
}

[[noreturn]] void fail(SQLSMALLINT type, SQLHANDLE handle, const QString& fallback) {
    throw errorOf(type, handle, fallback);
}

void check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* what) {
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
        fail(type, handle, QString::fromUtf8(what));
}

SQLHENV environment() {
    static SQLHENV env = [] {
        SQLHENV e = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &e)))
            throw DbError(0, QStringLiteral("HY000"),
                          QStringLiteral("Gerenciador ODBC indisponível"));
        SQLSetEnvAttr(e, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return e;
    }();
    return env;
}

// A statement handle freed on every exit path.
class StatementHandle {
public:
    explicit StatementHandle(SQLHDBC dbc) {
        check(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt), SQL_HANDLE_DBC, dbc,
              "Falha ao preparar o comando");
    }
    ~StatementHandle() { SQLFreeHandle(SQL_HANDLE_STMT, stmt); }
    StatementHandle(const StatementHandle&) = delete;
    StatementHandle& operator=(const StatementHandle&) = delete;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
};

// Parameter buffers stay alive until the statement has run.
struct Bound {
    QByteArray bytes;
    SQLBIGINT integer = 0;
    SQL_DATE_STRUCT date{};
    SQL_TIMESTAMP_STRUCT timestamp{};
    SQLLEN indicator = 0;
};

void bindAll(SQLHSTMT stmt, const Params& params, std::vector<Bound>& buffers) {
    buffers.resize(params.size());
    for (std::size_t i = 0; i < params.size(); ++i) {
        Bound& b = buffers[i];
        const SQLUSMALLINT number = static_cast<SQLUSMALLINT>(i + 1);
        SQLRETURN rc = SQL_SUCCESS;
        const Value& v = params[i];
        if (std::holds_alternative<Null>(v)) {
            b.indicator = SQL_NULL_DATA;
            rc = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0,
                                  nullptr, 0, &b.indicator);
        } else if (const auto* s = std::get_if<QString>(&v)) {
            b.bytes = s->toUtf8();
            b.indicator = b.bytes.size();
            const SQLULEN size = std::max<SQLULEN>(1, static_cast<SQLULEN>(b.bytes.size()));
            rc = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_CHAR,
                                  size > 4000 ? SQL_LONGVARCHAR : SQL_VARCHAR, size, 0,
                                  b.bytes.data(), b.bytes.size(), &b.indicator);
        } else if (const auto* n = std::get_if<qint64>(&v)) {
            b.integer = *n;
            rc = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0,
                                  &b.integer, 0, nullptr);
        } else if (const auto* d = std::get_if<Decimal>(&v)) {
            // The driver sends it as text, whatever type is named here; the
            // statement casts it back (withExactAmounts).
            b.bytes = d->toSql().toLatin1();
            b.indicator = b.bytes.size();
            rc = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_DECIMAL, 19,
                                  Decimal::kPlaces, b.bytes.data(), b.bytes.size(), &b.indicator);
        } else if (const auto* day = std::get_if<QDate>(&v)) {
            b.date.year = static_cast<SQLSMALLINT>(day->year());
            b.date.month = static_cast<SQLUSMALLINT>(day->month());
            b.date.day = static_cast<SQLUSMALLINT>(day->day());
            rc = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_TYPE_DATE, SQL_TYPE_DATE, 10,
                                  0, &b.date, 0, nullptr);
        } else if (const auto* moment = std::get_if<QDateTime>(&v)) {
            const QDate d = moment->date();
            const QTime t = moment->time();
            b.timestamp.year = static_cast<SQLSMALLINT>(d.year());
            b.timestamp.month = static_cast<SQLUSMALLINT>(d.month());
            b.timestamp.day = static_cast<SQLUSMALLINT>(d.day());
            b.timestamp.hour = static_cast<SQLUSMALLINT>(t.hour());
            b.timestamp.minute = static_cast<SQLUSMALLINT>(t.minute());
            b.timestamp.second = static_cast<SQLUSMALLINT>(t.second());
            rc = SQLBindParameter(stmt, number, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP,
                                  SQL_TYPE_TIMESTAMP, 19, 0, &b.timestamp, 0, nullptr);
        }
        check(rc, SQL_HANDLE_STMT, stmt, "Falha ao associar parâmetro");
    }
}

void run(SQLHSTMT stmt, const QString& sql, const Params& params) {
    const QByteArray text = withExactAmounts(sql, params).toUtf8();
    std::vector<Bound> buffers;
    SQLRETURN rc;
    if (params.empty()) {
        rc = SQLExecDirectA(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.constData())),
                            static_cast<SQLINTEGER>(text.size()));
    } else {
        check(SQLPrepareA(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.constData())),
                          static_cast<SQLINTEGER>(text.size())),
              SQL_HANDLE_STMT, stmt, "Falha ao preparar o comando");
        bindAll(stmt, params, buffers);
        rc = SQLExecute(stmt);
    }
    check(rc, SQL_HANDLE_STMT, stmt, "Falha ao executar o comando");
}

} // namespace

struct Connection::Handles {
    SQLHDBC dbc = SQL_NULL_HDBC;
    bool open = false;
};

Connection::Connection() : h_(std::make_unique<Handles>()) {}

Connection::Connection(const QString& connectionString) : Connection() {
    connectionString_ = connectionString;
}

Connection::~Connection() {
    close();
}

void Connection::setConnectionString(const QString& connectionString) {
    connectionString_ = connectionString;
}

void Connection::open() {
    if (h_->open)
        throw DbError(3705, QStringLiteral("HY000"),
                      QStringLiteral("A operação não é permitida com a conexão aberta."));
    const WaitBounds& bounds = waitBounds();
    if (h_->dbc == SQL_NULL_HDBC) {
        SQLHENV env = environment();
        check(SQLAllocHandle(SQL_HANDLE_DBC, env, &h_->dbc), SQL_HANDLE_ENV, env,
              "Falha ao criar a conexão");
    }
    SQLSetConnectAttr(h_->dbc, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(bounds.connect)), 0);
    // The driver's own bounds: on every read and write of the connection,
    // and on opening it (the login time-out alone leaves a server that takes
    // the connection and never greets waited for without end).
    const int wait = longStatements_ ? bounds.longStatement : bounds.statement;
    QString bounded = connectionString_;
    if (!bounded.isEmpty() && !bounded.endsWith(QLatin1Char(';')))
        bounded += QLatin1Char(';');
    bounded += QStringLiteral("READ_TIMEOUT=%1;WRITE_TIMEOUT=%1;CONN_TIMEOUT=%2;")
                   .arg(wait)
                   .arg(bounds.connect);
    const QByteArray text = bounded.toUtf8();
    SQLCHAR out[1024];
    SQLSMALLINT outLength = 0;
    const SQLRETURN rc = SQLDriverConnectA(
        h_->dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.constData())),
        static_cast<SQLSMALLINT>(text.size()), out, sizeof(out), &outLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        const DbError e =
            errorOf(SQL_HANDLE_DBC, h_->dbc, QStringLiteral("Falha ao abrir a conexão"));
        drop();
        throw unreachable(e) ? e.withLoss(Loss::ServerDown) : e;
    }
    h_->open = true;
    boundSession();
}

void Connection::boundSession() {
    const WaitBounds& bounds = waitBounds();
    // Lock waits (rows and tables) end well inside the statement's bound;
    // the idle-transaction bound exists on MariaDB only.
    const QString sql = QStringLiteral("SET SESSION innodb_lock_wait_timeout = %1, "
                                       "lock_wait_timeout = %1 /*M!100300 , "
                                       "idle_transaction_timeout = %2 */")
                            .arg(bounds.lockWait)
                            .arg(bounds.idleTransaction);
    try {
        executeOnce(sql, {});
    } catch (const DbError& e) {
        drop();
        throw e.isConnectionLoss() ? e.withLoss(Loss::ServerDown) : e;
    }
}

void Connection::close() {
    if (h_->open && inTransaction_)
        SQLEndTran(SQL_HANDLE_DBC, h_->dbc, SQL_ROLLBACK);
    drop();
}

void Connection::drop() {
    if (h_->dbc != SQL_NULL_HDBC) {
        if (h_->open && !SQL_SUCCEEDED(SQLDisconnect(h_->dbc))) {
            SQLEndTran(SQL_HANDLE_DBC, h_->dbc, SQL_ROLLBACK);
            SQLDisconnect(h_->dbc);
        }
        SQLFreeHandle(SQL_HANDLE_DBC, h_->dbc);
        h_->dbc = SQL_NULL_HDBC;
    }
    h_->open = false;
    if (inTransaction_)
        transactionLost_ = true;
}

bool Connection::isOpen() const {
    return h_->open;
}

void Connection::ensureOpen() {
    if (!h_->open)
        open();
}

bool Connection::answers() {
    // A round trip of our own, any failure counted as dead: the driver's
    // SQL_ATTR_CONNECTION_DEAD takes only some of its errors for a dead
    // connection. The cheapest statement the driver sends as it is (it
    // refuses DO); the variable is not read anywhere.
    try {
        executeOnce(QStringLiteral("SET @quendaro_answers = 1"), {});
        return true;
    } catch (const DbError&) {
        return false;
    }
}

void Connection::makeReady() {
    if (h_->open && !answers())
        drop();
    ensureOpen();
}

template <class Work>
auto Connection::attempt(Work& work, Loss loss) -> std::optional<decltype(work())> {
    try {
        return work();
    } catch (const DbError& e) {
        if (!e.isConnectionLoss())
            throw e.withoutDatabase(databaseOf(connectionString_));
        drop();
        if (loss == Loss::None)
            return std::nullopt;
        throw e.withLoss(loss);
    }
}

template <class Work> auto Connection::guarded(Kind kind, Work&& work) {
    if (inTransaction_) {
        if (transactionLost_ || !h_->open)
            throw lostTransaction();
        return *attempt(work, Loss::Transaction);
    }
    if (kind == Kind::FollowUp && !h_->open)
        throw DbError(3704, QStringLiteral("08003"),
                      QStringLiteral("A operação não é permitida com a conexão fechada."),
                      Loss::Write);
    if (kind == Kind::Write)
        makeReady();
    else
        ensureOpen();
    if (kind != Kind::Read)
        return *attempt(work, Loss::Write);
    if (auto first = attempt(work, Loss::None))
        return *std::move(first);
    open();
    return *attempt(work, Loss::ServerDown);
}

qint64 Connection::execute(const QString& sql, const Params& params) {
    return guarded(isRead(sql) ? Kind::Read : Kind::Write,
                   [&] { return executeOnce(sql, params); });
}

Recordset Connection::query(const QString& sql, const Params& params) {
    return guarded(isRead(sql) ? Kind::Read : Kind::Write, [&] { return queryOnce(sql, params); });
}

qint64 Connection::executeOnce(const QString& sql, const Params& params) {
    StatementHandle s(h_->dbc);
    run(s.stmt, sql, params);
    SQLLEN rows = 0;
    SQLRowCount(s.stmt, &rows);
    return rows;
}

Recordset Connection::queryOnce(const QString& sql, const Params& params) {
    StatementHandle s(h_->dbc);
    run(s.stmt, sql, params);
    return fetchAll(
        s.stmt, [&](SQLRETURN rc, const char* what) { check(rc, SQL_HANDLE_STMT, s.stmt, what); });
}

qint64 Connection::lastInsertId() {
    const Recordset r = guarded(Kind::FollowUp, [this] {
        return queryOnce(QStringLiteral("SELECT LAST_INSERT_ID() AS id"), {});
    });
    return r.isEmpty() ? 0 : r.integer(QStringLiteral("id"));
}

void Connection::beginTransaction() {
    makeReady();
    checkHandle(SQLSetConnectAttr(h_->dbc, SQL_ATTR_AUTOCOMMIT,
                                  reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                "Falha ao iniciar a transação", Loss::Transaction);
    inTransaction_ = true;
    transactionLost_ = false;
}

void Connection::commit() {
    if (transactionLost_ || !h_->open)
        throw lostTransaction();
    checkHandle(SQLEndTran(SQL_HANDLE_DBC, h_->dbc, SQL_COMMIT), "Falha ao confirmar a transação",
                Loss::Commit);
    inTransaction_ = false;
    restoreAutocommit();
}

void Connection::checkHandle(short rc, const char* what, Loss loss) {
    if (SQL_SUCCEEDED(rc))
        return;
    const DbError e = errorOf(SQL_HANDLE_DBC, h_->dbc, QString::fromUtf8(what));
    if (!e.isConnectionLoss())
        throw e;
    drop();
    throw e.withLoss(loss);
}

void Connection::rollback() {
    inTransaction_ = false;
    transactionLost_ = false;
    if (!h_->open)
        return;
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, h_->dbc, SQL_ROLLBACK);
    if (SQL_SUCCEEDED(rc)) {
        restoreAutocommit();
        return;
    }
    const DbError e =
        errorOf(SQL_HANDLE_DBC, h_->dbc, QStringLiteral("Falha ao desfazer a transação"));
    // A lost connection was rolled back by the server already.
    if (e.isConnectionLoss()) {
        drop();
        return;
    }
    restoreAutocommit();
    throw e;
}

void Connection::restoreAutocommit() {
    // Failing here means the connection is gone; the next statement opens it.
    if (h_->open &&
        !SQL_SUCCEEDED(SQLSetConnectAttr(h_->dbc, SQL_ATTR_AUTOCOMMIT,
                                         reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0)))
        drop();
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection_.beginTransaction();
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            connection_.rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    connection_.commit();
    done_ = true;
}

} // namespace db
