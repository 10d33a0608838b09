#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Fixed-width fields of the text reports: every value is brought to its
// column's exact width and the columns are joined by "|".
namespace reportfields {

enum class Align { Left, Right };

struct Column {
    QString title;
    int width;
    Align align;
};

// Padded with blanks to `width`, or cut keeping its left part.
QString place(const QString& text, int width, Align align);
// Values placed in their columns and joined by "|", no bar at either end.
QString line(const QList<Column>& columns, const QStringList& values);
// The column titles, all left-aligned.
QString titleLine(const QList<Column>& columns);

// dd/mm/yyyy, or empty for a missing date.
QString date(const std::optional<QDate>& value);

} // namespace reportfields
