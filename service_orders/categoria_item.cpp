#include "service_orders/categoria_item.h"

#include "registers/register_codes.h"

QString itemCategoria(const QString& dsgrupo, const QString& cdgrupo) {
    return dsgrupo + QStringLiteral(" | ") + cdgrupo;
}

std::optional<qint64> codigoCategoria(const QString& item) {
    const qsizetype bar = item.lastIndexOf(QLatin1Char('|'));
    if (bar < 0)
        return std::nullopt;
    return wholeCode(item.mid(bar + 1));
}
