#include "pdf/os_document_numbers.h"

namespace osformat {

namespace {

// The four-decimal text without its trailing zeros beyond `keep` decimals.
QString semZeros(Decimal value, int keep) {
    QString text = value.toBr(Decimal::kPlaces, false);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    while (text.size() - comma - 1 > keep && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text;
}

} // namespace

QString moeda(Decimal value) {
    const QString digits = QStringLiteral("R$ ") + (value.isNegative() ? -value : value).toBr(2);
    return value.rounded(2).isNegative() ? QStringLiteral("-") + digits : digits;
}

QString numero(Decimal value) {
    return semZeros(value, 0);
}

QString preco(Decimal value) {
    return semZeros(value, 2);
}

QString duasCasas(Decimal value) {
    return value.toBr(2, false);
}

QString agrupado(Decimal value) {
    return value.toBr(2);
}

} // namespace osformat
