#include "reports/report_fields.h"

#include "platform/dates.h"

namespace reportfields {

QString place(const QString& text, int width, Align align) {
    if (text.size() >= width)
        return text.left(width);
    return align == Align::Left ? text.leftJustified(width) : text.rightJustified(width);
}

QString line(const QList<Column>& columns, const QStringList& values) {
    QStringList placed;
    for (qsizetype i = 0; i < columns.size(); ++i)
        placed << place(values.value(i), columns.at(i).width, columns.at(i).align);
    return placed.join(QLatin1Char('|'));
}

QString titleLine(const QList<Column>& columns) {
    QStringList placed;
    for (const Column& c : columns)
        placed << place(c.title, c.width, Align::Left);
    return placed.join(QLatin1Char('|'));
}

QString date(const std::optional<QDate>& value) {
    return value && value->isValid() ? dates::toBr(*value) : QString();
}

} // namespace reportfields
