#include "service_orders/moeda.h"

QString moeda(Decimal valor) {
    if (valor.rounded(2).isNegative())
        return QStringLiteral("-R$ ") + (-valor).toBr(2);
    return QStringLiteral("R$ ") + valor.toBr(2);
}
