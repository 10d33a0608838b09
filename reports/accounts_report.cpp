#include "reports/accounts_report.h"

#include "platform/db/connection.h"
#include "platform/moeda.h"
#include "reports/report_fields.h"

namespace accountsreport {

namespace {

using reportfields::Align;
using reportfields::Column;

enum class Shown { Text, Date, Amount };

// One column: its title, width, the field it shows, how it shows it and
// whether it is the amount the total adds.
struct Field {
    Column column;
    QString name;
    Shown kind = Shown::Text;
    bool total = false;
};

struct Definition {
    QString select;    // up to the period condition, parameters for the dates
    QString partyCode; // the column the party condition compares
    QString order;
    int dashes;
    QList<Field> fields;
};

Field text(const char* title, int width, const char* name) {
    return {{QString::fromUtf8(title), width, Align::Left}, QString::fromLatin1(name)};
}
Field date(const char* title, const char* name) {
    return {{QString::fromUtf8(title), 10, Align::Left}, QString::fromLatin1(name), Shown::Date};
}
Field amount(const char* title, int width, const char* name, bool total = false) {
    return {{QString::fromUtf8(title), width, Align::Right},
            QString::fromLatin1(name),
            Shown::Amount,
            total};
}

const Definition& definition(Kind kind) {
    static const Definition receberAberto{
        QStringLiteral("select c.nrdoc,c.dte,c.dtv,c.vrorig,c.juros,c.descontos,c.vrpg,c.vrab,"
                       "f.nmcli from creceber c left join cliente f on c.cdcli = f.cdcli "
                       "where c.pago = 'N' and c.vrab > 0 and c.dtv >= ? and c.dtv <= ?"),
        QStringLiteral("c.cdcli"),
        QStringLiteral(" order by c.dtv, c.nrdoc"),
        151,
        {date("Dt.Vecto", "dtv"), amount("Vr Aberto", 15, "vrab", true),
         amount("Vr Já Pago", 15, "vrpg"), amount("Vr Original", 15, "vrorig"),
         amount("Juros Já Pago", 15, "juros"), amount("Descontos", 15, "descontos"),
         text("Documento No", 16, "nrdoc"), date("Dt.Emissão", "dte"),
         text("Cliente", 32, "nmcli")}};
    static const Definition receberBaixado{
        QStringLiteral("select c.nrrec,c.nrdoc,c.dtbx,c.dtv,c.vrab,c.vrpg,c.juros,c.descontos,"
                       "f.nmcli from creceber_recibos c left join cliente f on c.cdcli = f.cdcli "
                       "where c.status = 'S' and c.dtbx >= ? and c.dtbx <= ?"),
        QStringLiteral("c.cdcli"),
        QStringLiteral(" order by c.dtbx, c.nrdoc, c.id"),
        150,
        {date("Dt.Baixa", "dtbx"), amount("Vr Baixado", 15, "vrpg", true),
         amount("Juros", 12, "juros"), amount("Descontos", 12, "descontos"),
         amount("Vr Aberto", 15, "vrab"), date("Dt.Vecto", "dtv"),
         text("Documento No", 16, "nrdoc"), text("Cliente", 30, "nmcli"),
         text("Recibo No", 22, "nrrec")}};
    static const Definition pagarAberto{
        QStringLiteral("select c.nrdoc,c.parcela,c.dtv,c.vrab,f.nmfor,c.obs from cpagar c "
                       "left join fornecedores f on c.cdfor = f.cdfor "
                       "where c.pago = 'N' and c.vrab > 0 and c.dtv >= ? and c.dtv <= ?"),
        QStringLiteral("c.cdfor"),
        QStringLiteral(" order by c.dtv, c.idlan"),
        149,
        {date("Dt.Vecto", "dtv"), amount("Vr Aberto", 15, "vrab", true),
         text("Documento No", 22, "nrdoc"), text("Parcela", 7, "parcela"),
         text("Fornecedor", 45, "nmfor"), text("Obs", 45, "obs")}};
    static const Definition pagarBaixado{
        QStringLiteral("select c.nrdoc,c.parcela,c.dtp,c.vrpg,c.dtv,c.vrorig,f.nmfor,c.nrrec "
                       "from cpagar c left join fornecedores f on c.cdfor = f.cdfor "
                       "where c.pago = 'S' and c.dtp >= ? and c.dtp <= ?"),
        QStringLiteral("c.cdfor"),
        QStringLiteral(" order by c.dtp, c.parcela, c.idlan"),
        149,
        {date("Dt.Baixa", "dtp"), amount("Vr.Baixado", 15, "vrpg", true), date("Dt.Vecto", "dtv"),
         amount("Vr Aberto", 15, "vrorig"), text("Documento No", 22, "nrdoc"),
         text("Parcela", 7, "parcela"), text("Fornecedor", 40, "nmfor"),
         text("Recibo No", 22, "nrrec")}};
    switch (kind) {
    case Kind::ReceberAberto:
        return receberAberto;
    case Kind::ReceberBaixado:
        return receberBaixado;
    case Kind::PagarAberto:
        return pagarAberto;
    case Kind::PagarBaixado:
        break;
    }
    return pagarBaixado;
}

} // namespace

Kind kindOf(const QString& tipo, const QString& situacao) {
    const bool receber = tipo.startsWith(QLatin1Char('0'));
    const bool aberto = situacao.startsWith(QLatin1Char('0'));
    if (receber)
        return aberto ? Kind::ReceberAberto : Kind::ReceberBaixado;
    return aberto ? Kind::PagarAberto : Kind::PagarBaixado;
}

ReportList build(db::Connection& cn, Kind kind, const QDate& first, const QDate& last,
                 std::optional<qint64> party) {
    const Definition& d = definition(kind);
    QList<Column> columns;
    for (const Field& f : d.fields)
        columns << f.column;

    QString sql = d.select;
    db::Params params{first, last};
    if (party) {
        sql += QStringLiteral(" and ") + d.partyCode + QStringLiteral(" = ?");
        params.push_back(*party);
    }
    db::Recordset rows = cn.query(sql + d.order, params);

    QList<int> indexes;
    for (const Field& f : d.fields)
        indexes << rows.columnIndex(f.name);

    ReportList report{reportfields::titleLine(columns), {}};
    report.lines.reserve(rows.rowCount() + 2);
    Decimal total;
    QStringList values;
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        values.clear();
        for (qsizetype i = 0; i < d.fields.size(); ++i) {
            const Field& f = d.fields.at(i);
            if (f.kind == Shown::Amount) {
                // The total adds each amount as the line shows it: rounded to cents.
                const Decimal shown = rows.decimalAt(r, indexes.at(i)).rounded(2);
                values << moeda(shown);
                if (f.total)
                    total += shown;
            } else if (f.kind == Shown::Date) {
                values << reportfields::date(rows.dateAt(r, indexes.at(i)));
            } else {
                values << rows.textAt(r, indexes.at(i));
            }
        }
        report.lines << reportfields::line(columns, values);
    }
    report.lines << QString(d.dashes, QLatin1Char('-'));
    report.lines << QStringLiteral("Total: ") + moeda(total);
    return report;
}

} // namespace accountsreport
