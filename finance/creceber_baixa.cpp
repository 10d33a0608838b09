#include "finance/creceber_baixa.h"

#include "platform/db/unit_of_work.h"
#include "registers/audit_stamp.h"

namespace creceberbaixa {

namespace {

dlg::Message maiorQueAReceber() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- VALOR RECEBIDO NÃO PODE SER MAIOR QUE O VALOR A RECEBER!"));
}

dlg::Message deOutroCliente() {
    return dlg::atencao(QStringLiteral("--- ERRO --- PARCELA NÃO PERTENCE AO CLIENTE DO RECIBO!"));
}

dlg::Message recebimentosPosteriores() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- ESTORNE ANTES OS RECEBIMENTOS POSTERIORES DESTA PARCELA!"));
}

// Read locking, so a closing of the receipt in another window is waited for
// and seen.
bool encerrado(db::Connection& cn, const QString& nrrec) {
    return !cn.query(QStringLiteral("select 1 from creceber_recibos where nrrec = ? and status = "
                                    "'S' limit 1 for update"),
                     {nrrec})
                .isEmpty();
}

} // namespace

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
    const auto juros = Decimal::parse(c.juros, false, Decimal::kAmount);
    const auto descontos = Decimal::parse(c.descontos, false, Decimal::kAmount);
    const auto recebido = Decimal::parse(c.recebido, false, Decimal::kAmount);
    if (!juros || !descontos || !recebido)
        return recibo::jurosInvalidos();
    c.juros = recibo::texto(juros->rounded(2));
    c.descontos = recibo::texto(descontos->rounded(2));
    c.recebido = recibo::texto(recebido->rounded(2));
    if (recebido->rounded(2) <= Decimal())
        return dlg::atencao(
            QStringLiteral("--- ERRO --- VALOR RECEBIDO NÃO PODE SER MENOR E/OU IGUAL A ZERO!"));
    const auto total = recibo::devido(recibo::valor(c.aberto), *juros, *descontos);
    if (!total)
        return dlg::foraDoLimite();
    c.total = recibo::texto(*total);
    if (*total < recebido->rounded(2))
        return maiorQueAReceber();
    if (c.documento.trimmed().isEmpty())
        return recibo::idInvalido();
    return std::nullopt;
}

std::optional<dlg::Message> adiciona(db::Connection& cn, const Item& item, const QString& nrrec,
                                     qint64 cdcli, const QDate& dtbx) {
    return db::unitOfWork(cn, [&](db::Transaction& t) -> std::optional<dlg::Message> {
        if (encerrado(cn, nrrec))
            return recibo::reciboEncerrado();
        const db::Recordset parcela = cn.query(
            QStringLiteral("select cdcli, vrab from creceber where nrdoc = ? and pago = 'N' for "
                           "update"),
            {item.nrdoc});
        if (parcela.isEmpty())
            return recibo::parcelaAlterada();
        if (parcela.integer(QStringLiteral("cdcli")) != cdcli)
            return deOutroCliente();
        // The balance before this receipt, as it stands now.
        const Decimal saldo = parcela.decimal(QStringLiteral("vrab"));
        if (saldo + item.juros - item.descontos < item.recebido)
            return maiorQueAReceber();
        // The balance is computed before the sums it reads change, so the
        // result does not depend on the order the server assigns in.
        cn.execute(QStringLiteral(
                       "update creceber set vrab = (vrorig + juros + ?) - (descontos + ?) - "
                       "(vrpg + ?), juros = juros + ?, descontos = descontos + ?, vrpg = vrpg + "
                       "? where nrdoc = ?"),
                   {item.juros, item.descontos, item.recebido, item.juros, item.descontos,
                    item.recebido, item.nrdoc});
        cn.execute(
            QStringLiteral("insert into creceber_recibos (dte,dtv,cdcli,nrrec,nrdoc,dtbx,status,"
                           "vrab,juros,descontos,vrpg,evcad) values (?,?,?,?,?,?,'X',?,?,?,?,?)"),
            {db::dateOrNull(item.dte), db::dateOrNull(item.dtv), cdcli, nrrec, item.nrdoc, dtbx,
             saldo, item.juros, item.descontos, item.recebido, auditStamp()});
        t.commit();
        return std::nullopt;
    });
}

std::optional<dlg::Message> estorna(db::Connection& cn, qint64 id) {
    return db::unitOfWork(cn, [&](db::Transaction& t) -> std::optional<dlg::Message> {
        const db::Recordset item = cn.query(
            QStringLiteral("select nrdoc, juros, descontos, vrpg from creceber_recibos where id = "
                           "? and status = 'X' for update"),
            {id});
        if (item.isEmpty())
            return recibo::parcelaAlterada();
        const QString nrdoc = item.text(QStringLiteral("nrdoc"));
        const Decimal juros = item.decimal(QStringLiteral("juros"));
        const Decimal descontos = item.decimal(QStringLiteral("descontos"));
        const Decimal recebido = item.decimal(QStringLiteral("vrpg"));
        const db::Recordset parcela = cn.query(
            QStringLiteral("select vrpg, vrorig + juros - descontos - vrpg as saldo from creceber "
                           "where nrdoc = ? for update"),
            {nrdoc});
        if (parcela.isEmpty() || parcela.decimal(QStringLiteral("vrpg")) < recebido)
            return recibo::parcelaAlterada();
        // What the balance gets back. A later receipt of the instalment may
        // have used up what this item left open: taking it back would leave
        // the balance below zero.
        const Decimal devolvido = descontos + recebido - juros;
        if (parcela.decimal(QStringLiteral("saldo")) + devolvido < Decimal())
            return recebimentosPosteriores();
        // The balance is set before the sums it reads change.
        const qint64 n = cn.execute(
            QStringLiteral("update creceber set vrab = vrorig + juros - descontos - vrpg + ?, "
                           "juros = juros - ?, descontos = descontos - ?, vrpg = vrpg - ?, "
                           "pago = 'N' where nrdoc = ? and vrpg >= ? and vrorig + juros - "
                           "descontos - vrpg + ? >= 0"),
            {devolvido, juros, descontos, recebido, nrdoc, recebido, devolvido});
        if (n == 0)
            return recibo::parcelaAlterada();
        cn.execute(QStringLiteral("delete from creceber_recibos where id = ?"), {id});
        t.commit();
        return std::nullopt;
    });
}

recibo::Fechamento fechamento(qint64 cdcli, const QString& nrrec, const QDate& dtbx) {
    return {QStringLiteral("creceber_recibos_mp"),
            [nrrec](db::Connection& cn) { return encerrado(cn, nrrec); },
            {QStringLiteral("select coalesce(sum(vrpg), 0) as total, count(*) as itens from "
                            "creceber_recibos where nrrec = ? and status = 'X'"),
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
