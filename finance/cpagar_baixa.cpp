#include "finance/cpagar_baixa.h"

#include "platform/db/unit_of_work.h"

namespace cpagarbaixa {

namespace {
const QString kLista = QStringLiteral(
    "select c.vrpg,c.vrj,c.vrd,c.idlan,c.nrdoc,c.pago,c.dte,c.dtv,c.obs,c.vrab,c.parcela,f.nmfor "
    "from cpagar c left join fornecedores f on c.cdfor = f.cdfor where ");
// Read locking, so a closing of the receipt in another window is waited for
// and seen.
bool encerrado(db::Connection& cn, const QString& nrrec) {
    return !cn.query(QStringLiteral("select 1 from cpagar where nrrec = ? and pago = 'S' limit 1 "
                                    "for update"),
                     {nrrec})
                .isEmpty() ||
           !cn.query(QStringLiteral("select 1 from cpagar_recibos where nrrec = ? limit 1"),
                     {nrrec})
                .isEmpty();
}

} // namespace

Statement itensDoRecibo(const QString& nrrec) {
    return {kLista + QStringLiteral("c.nrrec = ? and c.pago = 'X' order by c.dtv"), {nrrec}};
}

Statement abertasDoFornecedor(qint64 cdfor) {
    return {kLista + QStringLiteral("c.cdfor = ? and c.vrab > 0 and c.pago = 'N' order by c.dtv"),
            {cdfor}};
}

Statement vencendoEm(const QDate& dia) {
    return {kLista + QStringLiteral("c.dtv = ? and c.vrab > 0 and c.pago = 'N' order by c.dtv"),
            {dia}};
}

Somas somas(db::Recordset itens) {
    Somas s;
    for (itens.moveFirst(); !itens.eof(); itens.moveNext()) {
        s.aberto += itens.decimal(QStringLiteral("vrab"));
        s.juros += itens.decimal(QStringLiteral("vrj"));
        s.descontos += itens.decimal(QStringLiteral("vrd"));
        s.pago += itens.decimal(QStringLiteral("vrpg"));
    }
    return s;
}

std::optional<dlg::Message> adiciona(db::Connection& cn, const QString& idlan,
                                     const Decimal& aberto, const Decimal& juros,
                                     const Decimal& descontos, const QString& nrrec) {
    return db::unitOfWork(cn, [&](db::Transaction& t) -> std::optional<dlg::Message> {
        if (encerrado(cn, nrrec))
            return recibo::reciboEncerrado();
        const qint64 n = cn.execute(
            QStringLiteral("update cpagar set vrj = ?, vrd = ?, vrpg = ?, pago = 'X', nrrec = ? "
                           "where idlan = ? and vrab = ? and (pago = 'N' or (pago = 'X' and "
                           "nrrec = ?))"),
            {juros, descontos, aberto + juros - descontos, nrrec, idlan, aberto, nrrec});
        if (n == 0)
            return recibo::parcelaAlterada();
        t.commit();
        return std::nullopt;
    });
}

std::optional<dlg::Message> estorna(db::Connection& cn, const QString& idlan,
                                    const QString& nrrec) {
    return db::unitOfWork(cn, [&](db::Transaction& t) -> std::optional<dlg::Message> {
        const qint64 n = cn.execute(
            QStringLiteral("update cpagar set vrj = 0, vrd = 0, vrpg = 0, pago = 'N', nrrec = 'em "
                           "aberto' where idlan = ? and pago = 'X' and nrrec = ?"),
            {idlan, nrrec});
        if (n == 0)
            return recibo::parcelaAlterada();
        t.commit();
        return std::nullopt;
    });
}

recibo::Fechamento fechamento(const QString& nrrec, const QDate& dtbx) {
    return {QStringLiteral("cpagar_recibos"),
            [nrrec](db::Connection& cn) { return encerrado(cn, nrrec); },
            {QStringLiteral("select coalesce(sum(vrpg), 0) as total, count(*) as itens from cpagar "
                            "where nrrec = ? and pago = 'X'"),
             {nrrec}},
            [nrrec, dtbx](db::Connection& cn) {
                cn.execute(QStringLiteral("update cpagar set pago = 'S', vrab = 0, dtp = ? where "
                                          "nrrec = ? and pago = 'X'"),
                           {dtbx, nrrec});
            }};
}

} // namespace cpagarbaixa
