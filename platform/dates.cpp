#include "platform/dates.h"

#include <QThread>

namespace dates {

std::optional<QDate> parseBr(const QString& text) {
    if (text.size() != 10 || text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/'))
        return std::nullopt;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!text.at(i).isDigit() || text.at(i).unicode() > '9')
            return std::nullopt;
    }
    const QDate d(text.mid(6, 4).toInt(), text.mid(3, 2).toInt(), text.left(2).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QDate> parseTyped(const QString& text) {
    QString digits = text.trimmed();
    digits.remove(QLatin1Char('/'));
    if (digits.size() != 8)
        return std::nullopt;
    return parseBr(digits.left(2) + QLatin1Char('/') + digits.mid(2, 2) + QLatin1Char('/') +
                   digits.mid(4));
}

QString toBr(const QDate& date) {
    if (!date.isValid() || date.year() < 1000 || date.year() > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    // Without the format parser: reports write many thousand dates.
    const int day = date.day(), month = date.month(), year = date.year();
    const char text[10] = {
        char('0' + day / 10),    char('0' + day % 10),        '/',
        char('0' + month / 10),  char('0' + month % 10),      '/',
        char('0' + year / 1000), char('0' + year / 100 % 10), char('0' + year / 10 % 10),
        char('0' + year % 10)};
    return QString::fromLatin1(text, 10);
}

QString toSql(const QDate& date) {
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

QString stampBr(const QDateTime& moment) {
    return moment.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

QString keyStamp(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyMMddHHmmss"));
}

void waitForNextSecond(const QDateTime& moment) {
    QThread::msleep(static_cast<unsigned long>(1000 - moment.time().msec()));
}

} // namespace dates
