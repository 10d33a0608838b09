#include "platform/moeda.h"

QString moeda(const Decimal& valor) {
    const Decimal r = valor.rounded(2);
    const QString numero = (r.isNegative() ? -r : r).toBr(2);
    QString texto;
    texto.reserve(numero.size() + 4);
    if (r.isNegative())
        texto += QLatin1Char('-');
    texto += QLatin1String("R$ ");
    texto += numero;
    return texto;
}
