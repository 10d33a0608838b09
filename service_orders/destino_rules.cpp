#include "service_orders/destino_rules.h"

#include "platform/db/connection.h"
#include "platform/db/unit_of_work.h"
#include "platform/dialogs.h"
#include "service_orders/categoria_item.h"
#include "service_orders/custo_rules.h"
#include "service_orders/order_lock.h"
#include "service_orders/order_status.h"

std::optional<OrdemDestino> leOrdemDestino(db::Connection& cn, qint64 osnr) {
    const db::Recordset row = cn.query(
        QStringLiteral("select o.ossit,o.cdcli,c.nmcli from os_cab o left join cliente c on "
                       "o.cdcli = c.cdcli where o.osnr = ?"),
        {osnr});
    if (row.isEmpty())
        return std::nullopt;
    return OrdemDestino{row.text(QStringLiteral("ossit")), row.text(QStringLiteral("nmcli"))};
}

ItemDestino itemDaLista(const db::Recordset& rows, qsizetype row) {
    db::Recordset at = rows;
    at.moveTo(row);
    return {at.text(QStringLiteral("idlan")),     at.text(QStringLiteral("cdpro")),
            at.text(QStringLiteral("dspro")),     at.text(QStringLiteral("un")),
            at.decimal(QStringLiteral("qtde")),   at.decimal(QStringLiteral("qtdest")),
            at.decimal(QStringLiteral("vfinal")), at.decimal(QStringLiteral("vfrete"))};
}

bool aceitaDestino(const QString& ossit) {
    return ossit == QLatin1String("2") || ossit == QLatin1String("3");
}

dlg::Message ordemSemStatus() {
    return dlg::alerta(QStringLiteral("--- ERRO --- O.S. NÃO POSSUI STATUS 2 OU 3!"));
}

ChecagemDestino checaDestino(const QString& categoria, const QString& ossit, const QString& qtde,
                             Decimal restante) {
    ChecagemDestino c;
    const auto cdcat = codigoCategoria(categoria);
    if (!cdcat) {
        c.erro = dlg::atencao(QStringLiteral("--- ERRO --- SELECIONE UM CATEGORIA!"),
                              dlg::Icon::Exclamation);
        return c;
    }
    if (!aceitaDestino(ossit)) {
        c.erro = ordemSemStatus();
        return c;
    }
    const auto quantidade = Decimal::parse(qtde, false);
    if (!quantidade) {
        c.erro = dlg::atencao(QStringLiteral("--- ERRO --- QTDE DESTINADA INVÁLIDA!"),
                              dlg::Icon::Exclamation);
        return c;
    }
    if (*quantidade <= Decimal()) {
        c.erro = dlg::atencao(
            QStringLiteral("--- ERRO --- QTDE DESTINADA NÃO SER MENOR E/OU IGUAL A ZERO!"),
            dlg::Icon::Exclamation);
        return c;
    }
    if (*quantidade > restante) {
        c.erro =
            dlg::atencao(QStringLiteral("--- ERRO --- QTDE DESTINADA SUPERIOR A QTDE COMPRADA!"),
                         dlg::Icon::Exclamation);
        return c;
    }
    c.cdcat = *cdcat;
    c.qtde = *quantidade;
    return c;
}

Statement destinosDoItem(const QString& idlan) {
    return {QStringLiteral("select o.idlan,o.idest,o.osnr,o.qtde,c.dsgrupo from os_custos o left "
                           "join categorias c on o.cdcat = c.cdgrupo where o.idest = ? order by "
                           "o.evcad"),
            {idlan}};
}

Destino destina(db::Connection& cn, const ItemDestino& item, qint64 osnr, qint64 cdcat,
                Decimal qtde, const QString& usuario) {
    LinhaCusto linha;
    linha.osnr = osnr;
    linha.tipo = QStringLiteral("P");
    linha.cdpro = item.cdpro;
    linha.dspro = item.dspro;
    linha.un = item.un;
    linha.qtde = qtde;
    linha.cdcat = cdcat;
    linha.idest = item.idlan;
    return db::unitOfWork(cn, [&](db::Transaction& transaction) {
        // Another station may have completed or deleted the order since its
        // number was typed; the lock keeps it from doing so until this is
        // written.
        const auto ossit = orderlock::trava(cn, osnr);
        if (!ossit)
            return Destino::OrdemInexistente;
        if (!aceitaDestino(*ossit))
            return Destino::OrdemFechada;
        // Checked again by the server, so two windows together cannot hand
        // out more than was bought.
        if (cn.execute(QStringLiteral("update insumos_cmp set qtdest = qtdest + ? where idlan = ? "
                                      "and qtde - qtdest >= ?"),
                       {qtde, item.idlan, qtde}) == 0)
            return Destino::SemSaldo;
        // The unit freight as it stands under the lock just taken, should a
        // freight have been spread since the list was read.
        linha.valor = cn.query(QStringLiteral("select vfinal + vfrete as valor from insumos_cmp "
                                              "where idlan = ?"),
                               {item.idlan})
                          .decimal(QStringLiteral("valor"));
        insereCusto(cn, linha, usuario);
        transaction.commit();
        return Destino::Feito;
    });
}

Estorno estorna(db::Connection& cn, const QString& idlan, qint64 osnr) {
    return db::unitOfWork(cn, [&](db::Transaction& transaction) {
        // The header first, as every write under an order takes it.
        const auto ossit = orderlock::trava(cn, osnr);
        if (!ossit)
            return Estorno::Ausente;
        if (orderstatus::concluida(*ossit))
            return Estorno::OrdemConcluida;
        const db::Recordset line =
            cn.query(QStringLiteral("select qtde, idest from os_custos "
                                    "where idlan = ? and osnr = ? for update"),
                     {idlan, osnr});
        if (line.isEmpty())
            return Estorno::Ausente;
        if (!line.isNull(QStringLiteral("idest"))) {
            const QString idest = line.text(QStringLiteral("idest"));
            const Decimal qtde = line.decimal(QStringLiteral("qtde"));
            if (cn.execute(QStringLiteral("update insumos_cmp set qtdest = qtdest - ? where "
                                          "idlan = ? and qtdest >= ?"),
                           {qtde, idest, qtde}) == 0 &&
                !cn.query(QStringLiteral("select idlan from insumos_cmp where idlan = ?"), {idest})
                     .isEmpty())
                return Estorno::EstoqueInconsistente;
        }
        cn.execute(QStringLiteral("delete from os_custos where idlan = ? and osnr = ?"),
                   {idlan, osnr});
        transaction.commit();
        return Estorno::Feito;
    });
}

std::optional<dlg::Message> recusaDoEstorno(Estorno estorno) {
    if (estorno == Estorno::EstoqueInconsistente)
        return dlg::alerta(
            QStringLiteral("--- ERRO --- ESTOQUE DO ITEM INCONSISTENTE! CONSULTE A COMPRA."));
    if (estorno == Estorno::OrdemConcluida)
        return orderlock::ordemConcluida();
    return std::nullopt;
}
