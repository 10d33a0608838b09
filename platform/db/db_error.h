#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// A failure reported by the driver: its native number (the server's error
// number, e.g. 1062 for a duplicate key) and its own text.
class DbError : public std::runtime_error {
public:
    DbError(int number, QString sqlState, QString text)
        : std::runtime_error(text.toStdString()), number_(number), sqlState_(std::move(sqlState)),
          text_(std::move(text)) {}

    int number() const { return number_; }
    // The server's number for a key already there.
    bool isDuplicateKey() const { return number_ == 1062; }
    const QString& sqlState() const { return sqlState_; }
    const QString& text() const { return text_; }

private:
    int number_;
    QString sqlState_;
    QString text_;
};

} // namespace db
