#include "service_orders/supply_lookup.h"

#include "platform/db/connection.h"

std::optional<InsumoLido> leInsumo(db::Connection& cn, const QString& cdpro) {
    const db::Recordset row =
        cn.query(QStringLiteral("select * from produtos where cdpro = ?"), {cdpro});
    if (row.isEmpty())
        return std::nullopt;
    return InsumoLido{row.text(QStringLiteral("dspro")), row.text(QStringLiteral("un")),
                      row.decimal(QStringLiteral("vcusto"))};
}
