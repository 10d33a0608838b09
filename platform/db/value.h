#pragma once

#include "platform/decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <variant>
#include <vector>

namespace db {

struct Null {};

// One bound parameter of a statement.
using Value = std::variant<Null, QString, qint64, Decimal, QDate, QDateTime>;
using Params = std::vector<Value>;

inline Value text(const QString& s) {
    return Value(s);
}
inline Value integer(qint64 v) {
    return Value(v);
}
// An empty or blank text binds NULL.
inline Value textOrNull(const QString& s) {
    return s.trimmed().isEmpty() ? Value(Null{}) : Value(s);
}
inline Value dateOrNull(const std::optional<QDate>& d) {
    return d ? Value(*d) : Value(Null{});
}
// Typed text bound into "like concat('%', ?, '%')": a backslash is the
// server's escape character there, so it is doubled to stand for itself; "%"
// and "_" keep their wildcard meaning.
inline Value likeText(const QString& typed) {
    return Value(QString(typed).replace(QLatin1Char('\\'), QLatin1String("\\\\")));
}

} // namespace db
