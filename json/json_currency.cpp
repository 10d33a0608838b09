#include "json/json_currency.h"

QString JsonCurrency::toText() const {
    // Unsigned, so the most negative value has a magnitude too.
    const quint64 magnitude = units_ < 0 ? 0 - quint64(units_) : quint64(units_);
    QString text = QString::number(magnitude / 10000);
    QString places = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QChar(u'0'));
    while (places.endsWith(u'0'))
        places.chop(1);
    if (!places.isEmpty())
        text += u'.' + places;
    if (units_ < 0)
        text.prepend(u'-');
    return text;
}
