#include "reports/os_report.h"

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/moeda.h"
#include "platform/order_totals.h"
#include "reports/report_fields.h"

#include <QHash>
#include <QPair>

namespace osreport {

namespace {

using reportfields::Align;
using reportfields::Column;
using reportfields::place;

const QString kNoDate = QStringLiteral("*********");
const QString kNoCost = QStringLiteral("*.**");

const QList<Column>& columns() {
    static const QList<Column> all = {{QStringLiteral("O.S. No"), 10, Align::Left},
                                      {QStringLiteral("Dt.Ab."), 10, Align::Left},
                                      {QStringLiteral("Dt.Fech."), 10, Align::Left},
                                      {QStringLiteral("Dias"), 5, Align::Left},
                                      {QStringLiteral("Cliente"), 30, Align::Left},
                                      {QStringLiteral("VR O.S."), 15, Align::Right},
                                      {QStringLiteral("Insumos"), 15, Align::Right},
                                      {QStringLiteral("M.Obra"), 15, Align::Right},
                                      {QStringLiteral("Custos TL"), 15, Align::Right}};
    return all;
}

// The orders of the status and period (and client), as a condition with its values.
struct Filter {
    QString sql;
    db::Params params;
};

Filter filter(QChar status, const QDate& first, const QDate& last, std::optional<qint64> client) {
    Filter f{QStringLiteral(" where o.ossit = ? and o.dtos >= ? and o.dtos <= ?"),
             {QString(status), first, last}};
    if (client) {
        f.sql += QStringLiteral(" and o.cdcli = ?");
        f.params.push_back(*client);
    }
    return f;
}

// Supplies ('P') and labour ('S') costs by order, as the server summed them.
using CostSums = QHash<QPair<qint64, QString>, ordertotals::SomaExata>;
CostSums costs(db::Connection& cn, const Filter& f) {
    db::Recordset rows =
        cn.query(QStringLiteral("select o.osnr,s.tipo,sum(s.qtde*s.valor) as vrc from os_cab o "
                                "left join os_custos s on o.osnr = s.osnr") +
                     f.sql + QStringLiteral(" group by o.osnr,s.tipo order by o.osnr"),
                 f.params);
    CostSums out;
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        if (!rows.isNullAt(r, 1))
            out.insert({rows.textAt(r, 0).toLongLong(), rows.textAt(r, 1).toUpper()},
                       ordertotals::lida(rows, r, 2));
    }
    return out;
}

QString days(const std::optional<QDate>& from, const std::optional<QDate>& to) {
    if (!from || !to)
        return QString();
    return QString::number(from->daysTo(*to));
}

} // namespace

ReportList build(db::Connection& cn, QChar status, const QDate& first, const QDate& last,
                 std::optional<qint64> client, const QDate& today) {
    const Filter f = filter(status, first, last, client);
    const bool withCosts = status != QLatin1Char('0') && status != QLatin1Char('1');
    const CostSums costSums = withCosts ? costs(cn, f) : CostSums();
    // One pass over the orders and their lines, grouped in the order of the
    // status and date index (the key ends it), so the server neither sorts
    // nor runs a query per order. The discounts are read as Σ qt × vu × pd,
    // a hundred times theirs: the server's quotients are rounded, its
    // products and sums are not. uev and nmcli have one value per order; max()
    // keeps the statement valid on a server that wants every column grouped.
    // Columns: uev, osnr, dtos, bruto, descontos_x100, nmcli.
    const db::Recordset rows =
        cn.query(QStringLiteral("select max(o.uev),o.osnr,o.dtos,sum(s.qt*s.vu) as bruto,"
                                "sum(s.qt*s.vu*s.pd) as descontos_x100,max(c.nmcli) from os_cab o "
                                "left join cliente c on o.cdcli = c.cdcli "
                                "left join os_srv s on s.osnr = o.osnr") +
                     f.sql + QStringLiteral(" group by o.dtos, o.osnr order by o.dtos, o.osnr"),
                 f.params);

    ReportList report{reportfields::titleLine(columns()), {}};
    // Each total adds its column as the lines show it.
    Decimal revenue, supplies, labour, allCosts;
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        const qint64 osnr = rows.textAt(r, 1).toLongLong();
        const std::optional<QDate> opened = rows.dateAt(r, 2);
        QString closedText = kNoDate;
        std::optional<QDate> until = today;
        if (status == QLatin1Char('4')) {
            // The stamp starts with its dd/mm/yyyy date.
            until = dates::parseBr(rows.textAt(r, 0).left(10));
            if (until)
                closedText = dates::toBr(*until);
        }
        const Decimal value =
            ordertotals::servicos(ordertotals::lida(rows, r, 3), ordertotals::lida(rows, r, 4, 2))
                .total;
        revenue += value;
        QStringList values;
        values << QString::number(osnr) << reportfields::date(opened) << closedText
               << days(opened, until) << rows.textAt(r, 5) << moeda(value);
        if (withCosts) {
            const ordertotals::Custos c =
                ordertotals::custos(costSums.value({osnr, QStringLiteral("P")}),
                                    costSums.value({osnr, QStringLiteral("S")}));
            supplies += c.insumos;
            labour += c.maoDeObra;
            allCosts += c.total;
            values << moeda(c.insumos) << moeda(c.maoDeObra) << moeda(c.total);
        } else {
            // The last mark stands on the left of its column.
            values << kNoCost << kNoCost << place(kNoCost, 15, Align::Left);
        }
        report.lines << reportfields::line(columns(), values);
    }
    report.lines << QString(151, QLatin1Char('-'));
    report.lines << QStringLiteral("Total de receitas : ") + moeda(revenue)
                 << QStringLiteral("Total de insumos  : ") + moeda(supplies)
                 << QStringLiteral("Total de M.Obra   : ") + moeda(labour)
                 << QStringLiteral("Custos Totais     : ") + moeda(allCosts);
    return report;
}

} // namespace osreport
