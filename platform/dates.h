#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace dates {

// Strict dd/mm/yyyy: two, two and four digits, and a real calendar day.
std::optional<QDate> parseBr(const QString& text);
// A date as the date boxes take it: dd/mm/yyyy, or its eight digits with
// some, all or none of the slashes ("15122026", "15/122026").
std::optional<QDate> parseTyped(const QString& text);
QString toBr(const QDate& date);
// The 'yyyy/mm/dd' form the statements carry.
QString toSql(const QDate& date);
// "dd/mm/yyyy hh:mm:ss", the form of the audit stamps.
QString stampBr(const QDateTime& moment);
// "yymmddhhmmss", the moment inside the keys, receipt numbers and file names
// the program makes.
QString keyStamp(const QDateTime& moment);
// Sleeps until the second after the one `moment` falls in begins, for a key
// or a name made from the second that was found taken.
void waitForNextSecond(const QDateTime& moment);

} // namespace dates
