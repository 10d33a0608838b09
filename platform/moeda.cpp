#include "platform/moeda.h"

QString moeda(const Decimal& valor) {
    const Decimal r = valor.rounded(2);
    const QString sinal = r.isNegative() ? QStringLiteral("-") : QString();
    return sinal + QStringLiteral("R$ ") + (r.isNegative() ? -r : r).toBr(2);
}
