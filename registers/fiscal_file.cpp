#include "registers/fiscal_file.h"

#include "platform/program_folder.h"

#include <QFileInfo>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace fiscal {

namespace {

constexpr int kBusyTimeoutMs = 2000;

struct SqliteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Database {
public:
    explicit Database(const QString& path) {
        // Read-write only: a file that is not there is never created.
        const int rc =
            sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "sem memória";
            sqlite3_close(db_);
            throw SqliteError(message);
        }
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            fail();
    }
    [[noreturn]] void fail() const { throw SqliteError(db_ ? sqlite3_errmsg(db_) : "sem memória"); }
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Query {
public:
    Query(Database& db, const char* sql, const std::vector<QString>& texts) : db_(db) {
        if (sqlite3_prepare_v2(db.handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK)
            db.fail();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QByteArray utf8 = texts[i].toUtf8();
            if (sqlite3_bind_text(stmt_, static_cast<int>(i + 1), utf8.constData(),
                                  static_cast<int>(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
                db.fail();
        }
    }
    ~Query() { sqlite3_finalize(stmt_); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // True while a row is there.
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            db_.fail();
        return false;
    }
    sqlite3_int64 integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    void bindInteger(int index, sqlite3_int64 value) {
        if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
            db_.fail();
    }

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }
    ~Transaction() {
        if (!done_)
            sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void commit() {
        db_.exec("COMMIT");
        done_ = true;
    }

private:
    Database& db_;
    bool done_ = false;
};

} // namespace

QString caminhoArquivo() {
    const QString fromEnv = qEnvironmentVariable("QUENDARO_FISCAL_DB");
    return fromEnv.isEmpty() ? programfolder::file(QStringLiteral("dados.db")) : fromEnv;
}

std::optional<Falha> copiaFornecedor(const Fornecedor& f) {
    const QString path = caminhoArquivo();
    if (!QFileInfo(path).isFile())
        return Falha{true, path};
    try {
        Database db(path);
        Transaction transaction(db);
        sqlite3_int64 existing = -1;
        {
            Query find(db,
                       "SELECT rowid FROM cliente WHERE tipo = 'F' AND cpf = ? "
                       "ORDER BY rowid LIMIT 1",
                       {f.cpf});
            if (find.step())
                existing = find.integer(0);
        }
        const std::vector<QString> every = {f.nmcli,  f.nmfant, f.rg,   f.rua, f.bairro, f.cep,
                                            f.cidade, f.uf,     f.fone, f.nr,  f.email,  f.outinf};
        if (existing < 0) {
            std::vector<QString> values = {f.cpf};
            values.insert(values.end(), every.begin(), every.end());
            Query insert(db,
                         "INSERT INTO cliente (CPf, tipo, cduf, cdcid, cdpais, complemento, nmcli, "
                         "nmfant, rg, rua, bairro, cep, cidade, uf, fone, contato, nr, eMail, "
                         "outinf) VALUES (?, 'F', '', '', '', '', ?, ?, ?, ?, ?, ?, ?, ?, ?, '', "
                         "?, ?, ?)",
                         values);
            insert.step();
        } else {
            Query update(db,
                         "UPDATE cliente SET nmcli = ?, nmfant = ?, rg = ?, rua = ?, bairro = ?, "
                         "cep = ?, cidade = ?, uf = ?, fone = ?, contato = '', nr = ?, eMail = ?, "
                         "outinf = ? WHERE rowid = ?",
                         every);
            update.bindInteger(static_cast<int>(every.size()) + 1, existing);
            update.step();
        }
        transaction.commit();
    } catch (const SqliteError& e) {
        return Falha{false, QString::fromUtf8(e.what())};
    }
    return std::nullopt;
}

} // namespace fiscal
