#include "reports/report_fields.h"

#include "platform/dates.h"

namespace reportfields {

namespace {

// `text` brought to `width` at the end of `out`.
void append(QString& out, QStringView text, int width, Align align) {
    if (text.size() >= width) {
        out += text.left(width);
        return;
    }
    const qsizetype blanks = width - text.size();
    if (align == Align::Right)
        out.resize(out.size() + blanks, QLatin1Char(' '));
    out += text;
    if (align == Align::Left)
        out.resize(out.size() + blanks, QLatin1Char(' '));
}

// Columns joined by "|", each value placed in its column, into one string
// sized once: a long report has many thousand lines.
template <typename ValueOf> QString joined(const QList<Column>& columns, ValueOf valueOf) {
    qsizetype size = columns.size();
    for (const Column& c : columns)
        size += c.width;
    QString out;
    out.reserve(size);
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out += QLatin1Char('|');
        const auto [text, align] = valueOf(i);
        append(out, text, columns.at(i).width, align);
    }
    return out;
}

} // namespace

QString place(const QString& text, int width, Align align) {
    QString out;
    out.reserve(width);
    append(out, text, width, align);
    return out;
}

QString line(const QList<Column>& columns, const QStringList& values) {
    return joined(columns, [&](qsizetype i) {
        return std::pair{i < values.size() ? QStringView(values.at(i)) : QStringView(),
                         columns.at(i).align};
    });
}

QString titleLine(const QList<Column>& columns) {
    return joined(columns, [&](qsizetype i) {
        return std::pair{QStringView(columns.at(i).title), Align::Left};
    });
}

QString date(const std::optional<QDate>& value) {
    return value && value->isValid() ? dates::toBr(*value) : QString();
}

} // namespace reportfields
