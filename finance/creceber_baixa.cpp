#include "finance/creceber_baixa.h"

#include "platform/db/connection.h"
#include "registers/audit_stamp.h"

namespace creceberbaixa {

Statement abertasDoCliente(qint64 cdcli) {
    return {QStringLiteral("select * from creceber where cdcli = ? and vrab > 0 and pago = 'N' "
                           "order by dtv"),
            {cdcli}};
}

Statement itensDoRecibo(qint64 cdcli, const QString& nrrec) {
    return {QStringLiteral("select * from creceber_recibos where cdcli = ? and nrrec = ? and "
                           "status = 'X' order by dtv"),
            {cdcli, nrrec}};
}

Statement saldoAberto(qint64 cdcli) {
    return {QStringLiteral("select sum(vrab) as vraberto from creceber where cdcli = ? and vrab > "
                           "0 and pago = 'N'"),
            {cdcli}};
}

Statement somasDoRecibo(const QString& nrrec) {
    return {QStringLiteral("select sum(juros) as vrj, sum(descontos) as vrd, sum(vrpg) as vrp from "
                           "creceber_recibos where nrrec = ? and status = 'X'"),
            {nrrec}};
}

std::optional<dlg::Message> confere(Caixas& c) {
    const auto juros = Decimal::parse(c.juros, false);
    const auto descontos = Decimal::parse(c.descontos, false);
    const auto recebido = Decimal::parse(c.recebido, false);
    if (!juros || !descontos || !recebido)
        return recibo::jurosInvalidos();
    c.juros = recibo::texto(juros->rounded(2));
    c.descontos = recibo::texto(descontos->rounded(2));
    c.recebido = recibo::texto(recebido->rounded(2));
    if (recebido->rounded(2) <= Decimal())
        return dlg::atencao(
            QStringLiteral("--- ERRO --- VALOR RECEBIDO NÃO PODE SER MENOR E/OU IGUAL A ZERO!"));
    const Decimal total = recibo::valor(c.aberto) + juros->rounded(2) - descontos->rounded(2);
    c.total = recibo::texto(total);
    if (total < recebido->rounded(2))
        return dlg::alerta(QStringLiteral(
            "--- ERRO --- VALOR RECEBIDO NÃO PODE SER MAIOR QUE O VALOR A RECEBER!"));
    if (c.documento.trimmed().isEmpty())
        return recibo::idInvalido();
    return std::nullopt;
}

bool adiciona(db::Connection& cn, const Item& item, const QString& nrrec, const QDate& dtbx) {
    db::Transaction t(cn);
    // The balance is computed before the sums it reads change, so the result
    // does not depend on the order the server assigns in.
    const qint64 n = cn.execute(
        QStringLiteral("update creceber set vrab = (vrorig + juros + ?) - (descontos + ?) - (vrpg "
                       "+ ?), juros = juros + ?, descontos = descontos + ?, vrpg = vrpg + ? where "
                       "nrdoc = ? and pago = 'N' and vrab = ?"),
        {item.juros, item.descontos, item.recebido, item.juros, item.descontos, item.recebido,
         item.nrdoc, item.aberto});
    if (n == 0)
        return false;
    cn.execute(
        QStringLiteral("insert into creceber_recibos (dte,dtv,cdcli,nrrec,nrdoc,dtbx,status,"
                       "vrab,juros,descontos,vrpg,evcad) values (?,?,?,?,?,?,'X',?,?,?,?,?)"),
        {item.dte.isValid() ? db::Value(item.dte) : db::Value(db::Null{}),
         item.dtv.isValid() ? db::Value(item.dtv) : db::Value(db::Null{}), item.cdcli, nrrec,
         item.nrdoc, dtbx, item.aberto, item.juros, item.descontos, item.recebido, auditStamp()});
    t.commit();
    return true;
}

bool estorna(db::Connection& cn, qint64 id) {
    db::Transaction t(cn);
    const db::Recordset item =
        cn.query(QStringLiteral("select nrdoc, juros, descontos, vrpg from creceber_recibos where "
                                "id = ? and status = 'X' for update"),
                 {id});
    if (item.isEmpty())
        return false;
    const Decimal juros = item.decimal(QStringLiteral("juros"));
    const Decimal descontos = item.decimal(QStringLiteral("descontos"));
    const Decimal recebido = item.decimal(QStringLiteral("vrpg"));
    const qint64 n = cn.execute(
        QStringLiteral("update creceber set vrab = (vrorig + juros - ?) - (descontos - ?) - (vrpg "
                       "- ?), juros = juros - ?, descontos = descontos - ?, vrpg = vrpg - ?, pago "
                       "= 'N' where nrdoc = ? and vrpg >= ?"),
        {juros, descontos, recebido, juros, descontos, recebido, item.text(QStringLiteral("nrdoc")),
         recebido});
    if (n == 0)
        return false;
    cn.execute(QStringLiteral("delete from creceber_recibos where id = ?"), {id});
    t.commit();
    return true;
}

recibo::Fechamento fechamento(qint64 cdcli, const QString& nrrec, const QDate& dtbx) {
    return {QStringLiteral("creceber_recibos_mp"),
            {QStringLiteral("select coalesce(sum(vrpg), 0) as total from creceber_recibos where "
                            "nrrec = ? and status = 'X' for update"),
             {nrrec}},
            [cdcli, nrrec, dtbx](db::Connection& cn) {
                cn.execute(QStringLiteral("update creceber set pago = 'S' where cdcli = ? and vrab "
                                          "= 0 and pago = 'N'"),
                           {cdcli});
                cn.execute(QStringLiteral("update creceber_recibos set status = 'S', dtbx = ? "
                                          "where nrrec = ? and status = 'X'"),
                           {dtbx, nrrec});
            }};
}

} // namespace creceberbaixa
