#include "finance/recibos_abertos.h"

#include "platform/db/connection.h"

QStringList recibosAbertos(db::Connection& cn, const QString& modo) {
    QStringList out;
    if (modo == QLatin1String("P")) {
        const db::Recordset r = cn.query(
            QStringLiteral("select distinct(nrrec) as NrRec from cpagar where pago = 'X'"));
        for (qsizetype row = 0; row < r.rowCount(); ++row)
            out << r.textAt(row, 0);
    } else if (modo == QLatin1String("C")) {
        const db::Recordset r =
            cn.query(QStringLiteral("select distinct(nrrec) as NrRec, cdcli from "
                                    "creceber_recibos where status = 'X'"));
        for (qsizetype row = 0; row < r.rowCount(); ++row)
            out << r.textAt(row, 0) + QStringLiteral(" | ") + r.textAt(row, 1);
    }
    return out;
}
