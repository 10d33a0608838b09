#include "service_orders/service_lines.h"

#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/moeda.h"
#include "service_orders/order_lock.h"

namespace servicelines {

Statement daOrdem(qint64 osnr) {
    return {QStringLiteral("select * from os_srv where osnr = ? order by id"), {db::integer(osnr)}};
}

std::variant<Linha, dlg::Message> confere(const QString& descricao, const QString& unidade,
                                          const QString& quantidade, const QString& unitario,
                                          const QString& desconto) {
    const auto qt = Decimal::parse(quantidade, false);
    const auto vu = Decimal::parse(unitario, true);
    const auto pd = Decimal::parse(desconto, false);
    if (descricao.trimmed().isEmpty() || unidade.trimmed().isEmpty() || !qt || !vu || !pd)
        return dlg::atencao(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"),
                            dlg::Icon::Information);
    if (*qt <= Decimal())
        return dlg::atencao(
            QStringLiteral("--- ERRO --- QUANTIDADE NÃO PODE SER MENOR E/OU IGUAL A ZERO!"),
            dlg::Icon::Exclamation);
    if (vu->isNegative())
        return dlg::atencao(
            QStringLiteral("--- ERRO --- VALOR UNITÁRIO NÃO PODE SER MENOR QUE ZERO!"),
            dlg::Icon::Exclamation);
    if (pd->isNegative())
        return dlg::atencao(
            QStringLiteral("--- ERRO --- PERCENTUAL DO DESCONTO NÃO PODE SER MENOR QUE ZERO!"),
            dlg::Icon::Exclamation);
    if (!qt->times(*vu, Decimal::kAmount))
        return dlg::foraDoLimite();
    return Linha{descricao, unidade, *qt, *vu, *pd};
}

std::optional<dlg::Message> confereTotal(db::Connection& connection, qint64 osnr,
                                         const Linha& linha) {
    const Decimal subtotal = totais(connection.query(somas(osnr))).subtotal;
    if (!subtotal.plus(linha.qt * linha.vu, Decimal::kAmount))
        return dlg::foraDoLimite();
    return std::nullopt;
}

QString idsrv(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyyMMddhhmmss"));
}

std::optional<dlg::Message> grava(db::Connection& connection, qint64 osnr, const Linha& linha,
                                  const QString& id, const QString& stamp) {
    return orderlock::alteraOrdem(connection, osnr, [&] {
        connection.execute(QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd, "
                                          "evcad) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                           {db::integer(osnr), db::text(id), db::text(linha.dssrv),
                            db::text(linha.un), linha.qt, linha.vu, linha.pd, db::text(stamp)});
    });
}

std::optional<dlg::Message> exclui(db::Connection& connection, qint64 osnr, qint64 id) {
    return orderlock::alteraOrdem(connection, osnr, [&] {
        connection.execute(QStringLiteral("delete from os_srv where id = ? and osnr = ?"),
                           {db::integer(id), db::integer(osnr)});
    });
}

std::optional<dlg::Message> descontoGeral(db::Connection& connection, qint64 osnr, Decimal pd,
                                          const QString& stamp) {
    return orderlock::alteraOrdem(connection, osnr, [&] {
        connection.execute(QStringLiteral("update os_srv set pd = ?, evcad = ? where osnr = ?"),
                           {pd, db::text(stamp), db::integer(osnr)});
    });
}

Statement somas(qint64 osnr) {
    return {QStringLiteral("select sum(qt*vu) as subtotal,sum((vu*pd/100)*qt) as stdesc "
                           "from os_srv where osnr = ?"),
            {db::integer(osnr)}};
}

Totais totais(const db::Recordset& somas) {
    db::Recordset row = somas;
    if (row.isEmpty())
        return {};
    row.moveFirst();
    return {row.decimal(QStringLiteral("subtotal")), row.decimal(QStringLiteral("stdesc"))};
}

QString linhaTotais(const Totais& totais) {
    return QStringLiteral("SubTotal: ") + moeda(totais.subtotal) + QStringLiteral(" Descontos: ") +
           moeda(totais.descontos) + QStringLiteral(" Total: ") + moeda(totais.total());
}

} // namespace servicelines
