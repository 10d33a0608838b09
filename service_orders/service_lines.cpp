#include "service_orders/service_lines.h"

#include "platform/db/connection.h"
#include "platform/db/loaded_row.h"
#include "platform/dialogs.h"
#include "platform/moeda.h"
#include "service_orders/order_lock.h"

#include <functional>

namespace servicelines {

namespace {

struct SomasExatas {
    ordertotals::SomaExata subtotal;
    ordertotals::SomaExata descontos;
};

SomasExatas leSomas(const db::Recordset& somas) {
    db::Recordset row = somas;
    if (row.isEmpty())
        return {};
    row.moveFirst();
    return {ordertotals::lida(row, QStringLiteral("subtotal")),
            ordertotals::lida(row, QStringLiteral("descontos_x100"), 2)};
}

bool cabemNoLimite(const SomasExatas& somas) {
    return somas.subtotal.cabe(Decimal::kAmount) && somas.descontos.cabe(Decimal::kAmount);
}

// `work` runs under the order's header lock, so no line of the order changes
// between its check and its write; it writes nothing and answers false when
// the order's sums would leave the amounts' range.
std::optional<dlg::Message> alteraNoLimite(db::Connection& connection, qint64 osnr,
                                           const std::function<bool()>& work) {
    bool cabe = true;
    const auto recusa = orderlock::alteraOrdem(connection, osnr, [&] { cabe = work(); });
    if (recusa)
        return recusa;
    if (!cabe)
        return dlg::foraDoLimite();
    return std::nullopt;
}

} // namespace

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
    SomasExatas daLinha;
    daLinha.subtotal.adiciona(*qt, *vu);
    daLinha.descontos.adiciona(*qt, *vu, *pd);
    if (!cabemNoLimite(daLinha))
        return dlg::foraDoLimite();
    return Linha{descricao, unidade, *qt, *vu, *pd};
}

QString idsrv(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyyMMddhhmmss"));
}

std::optional<dlg::Message> grava(db::Connection& connection, qint64 osnr, const Linha& linha,
                                  const QString& id, const QString& stamp) {
    return alteraNoLimite(connection, osnr, [&] {
        SomasExatas comALinha = leSomas(connection.query(somas(osnr)));
        comALinha.subtotal.adiciona(linha.qt, linha.vu);
        comALinha.descontos.adiciona(linha.qt, linha.vu, linha.pd);
        if (!cabemNoLimite(comALinha))
            return false;
        connection.execute(QStringLiteral("insert into os_srv (osnr, idsrv, dssrv, un, qt, vu, pd, "
                                          "evcad) values (?, ?, ?, ?, ?, ?, ?, ?)"),
                           {db::integer(osnr), db::text(id), db::text(linha.dssrv),
                            db::text(linha.un), linha.qt, linha.vu, linha.pd, db::text(stamp)});
        return true;
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
    return alteraNoLimite(connection, osnr, [&] {
        // Every line's discount and their sum must stay amounts.
        db::Recordset linhas = connection.query(
            QStringLiteral("select qt, vu from os_srv where osnr = ?"), {db::integer(osnr)});
        ordertotals::SomaExata descontos;
        for (linhas.moveFirst(); !linhas.eof(); linhas.moveNext()) {
            ordertotals::SomaExata daLinha;
            daLinha.adiciona(linhas.decimal(QStringLiteral("qt")),
                             linhas.decimal(QStringLiteral("vu")), pd);
            if (!daLinha.cabe(Decimal::kAmount))
                return false;
            descontos += daLinha;
        }
        if (!descontos.cabe(Decimal::kAmount))
            return false;
        connection.execute(QStringLiteral("update os_srv set pd = ?, evcad = ? where osnr = ?"),
                           {pd, db::text(stamp), db::integer(osnr)});
        return true;
    });
}

Statement somas(qint64 osnr) {
    // The server's DECIMAL products and sums are exact, its quotients are
    // not: the discounts are read as Σ qt × vu × pd, a hundred times theirs.
    return {QStringLiteral("select sum(qt*vu) as subtotal,sum(qt*vu*pd) as descontos_x100 "
                           "from os_srv where osnr = ?"),
            {db::integer(osnr)}};
}

Totais totais(const db::Recordset& somas) {
    const SomasExatas exatas = leSomas(somas);
    return ordertotals::servicos(exatas.subtotal, exatas.descontos);
}

Decimal totalTravado(db::Connection& connection, qint64 osnr) {
    return totais(connection.query(db::forUpdate(somas(osnr)))).total;
}

QString linhaTotais(const Totais& totais) {
    return QStringLiteral("SubTotal: ") + moeda(totais.subtotal) + QStringLiteral(" Descontos: ") +
           moeda(totais.descontos) + QStringLiteral(" Total: ") + moeda(totais.total);
}

} // namespace servicelines
