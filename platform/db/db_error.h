#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// What a lost connection cost, as far as the client can know.
enum class Loss {
    None,
    ServerDown,  // the server could not be reached: nothing was done
    Write,       // a write was sent and the answer lost: it may have been done
    Transaction, // lost before COMMIT was sent: the server rolled it back
    Commit,      // lost while committing: it may have been committed
};

// A failure reported by the driver: its native number (the server's error
// number, e.g. 1062 for a duplicate key) and its own text without the
// driver's tags.
class DbError : public std::runtime_error {
public:
    // The server's number for a value its column cannot hold, also raised
    // for a number read back that the decimal cannot hold.
    static constexpr int kOutOfRange = 1264;
    // That error for a number of `column` read back too large for a decimal.
    static DbError outOfRange(const QString& column) {
        return DbError(kOutOfRange, QStringLiteral("22003"),
                       QStringLiteral("Out of range value for column '%1'").arg(column));
    }

    DbError(int number, QString sqlState, QString text, Loss loss = Loss::None)
        : std::runtime_error(text.toStdString()), number_(number), sqlState_(std::move(sqlState)),
          text_(std::move(text)), loss_(loss) {}

    int number() const { return number_; }
    // The server's number for a key already there.
    bool isDuplicateKey() const { return number_ == 1062; }
    // The connection itself is gone (network, server restart, killed).
    bool isConnectionLoss() const;
    // A deadlock or a lock wait time-out: another connection held the rows.
    // The server rolled back the deadlock's loser whole, and a lock wait
    // time-out only its last statement, so the work may run again.
    bool isLockConflict() const { return number_ == 1213 || number_ == 1205; }
    // A text longer than its column: 1406, or 1366 when the server's cut
    // fell inside a character of a text column.
    bool isTextTooLong() const;
    const QString& sqlState() const { return sqlState_; }
    const QString& text() const { return text_; }
    Loss loss() const { return loss_; }
    DbError withLoss(Loss loss) const { return DbError(number_, sqlState_, text_, loss); }
    // The server's text without `database` where it qualifies a name
    // ("`quendaro`.`cliente`.`obs`", "'quendaro.cliente'"): the user is told the
    // table, not where the data lives.
    DbError withoutDatabase(const QString& database) const;

    // What the user is told: "--- ERRO --- " with the number and the server's
    // text, or a plain Portuguese sentence for the failures a user causes or
    // can act on.
    QString message() const;

private:
    int number_;
    QString sqlState_;
    QString text_;
    Loss loss_;
};

} // namespace db
