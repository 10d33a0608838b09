#include "service_orders/custo_rules.h"

#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/db/moment_key.h"
#include "platform/dialogs.h"
#include "platform/moeda.h"
#include "registers/register_codes.h"
#include "service_orders/categoria_item.h"
#include "service_orders/order_lock.h"
#include "service_orders/os_stamp.h"

QString chaveCusto(qint64 osnr, const QDateTime& moment, const QString& usuario) {
    return (QString::number(osnr) + QLatin1Char('_') + dates::keyStamp(moment) + QLatin1Char('_') +
            usuario)
        .left(45)
        .trimmed();
}

ChecagemCusto checaCusto(const CustoDigitado& d) {
    ChecagemCusto c;
    const auto cdcat = codigoCategoria(d.categoria);
    const auto qtde = Decimal::parse(d.qtde, false);
    const auto valor = Decimal::parse(d.valor, true);
    if (d.dspro.trimmed().isEmpty() || !isNumeric(d.cdpro) || d.un.trimmed().isEmpty() || !qtde ||
        !valor || !cdcat) {
        c.erro =
            dlg::atencao(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"), dlg::Icon::Information);
        return c;
    }
    if (*qtde <= Decimal()) {
        c.erro = dlg::atencao(
            QStringLiteral("--- ERRO --- QUANTIDADE NÃO PODE SER MENOR E/OU IGUAL A ZERO!"),
            dlg::Icon::Exclamation);
        return c;
    }
    if (valor->isNegative()) {
        c.erro =
            dlg::atencao(QStringLiteral("--- ERRO --- VALOR UNITÁRIO NÃO PODE SER MENOR QUE ZERO!"),
                         dlg::Icon::Exclamation);
        return c;
    }
    if (!qtde->times(*valor, Decimal::kAmount)) {
        c.erro = dlg::foraDoLimite();
        return c;
    }
    c.linha.cdpro = d.cdpro.trimmed();
    c.linha.dspro = d.dspro;
    c.linha.un = d.un;
    c.linha.qtde = *qtde;
    c.linha.valor = *valor;
    c.linha.cdcat = *cdcat;
    return c;
}

void insereCusto(db::Connection& cn, const LinhaCusto& l, const QString& usuario) {
    db::insereComChaveDoMomento(cn, [&](const QDateTime& moment) {
        return Statement{
            QStringLiteral("insert into os_custos "
                           "(idlan,osnr,tipo,cdpro,dspro,un,qtde,valor,cdcat,idest,evcad) "
                           "values (?,?,?,?,?,?,?,?,?,?,?)"),
            {chaveCusto(l.osnr, moment, usuario), l.osnr, l.tipo, l.cdpro, l.dspro, l.un, l.qtde,
             l.valor, l.cdcat, l.idest ? db::Value(*l.idest) : db::Value(db::Null{}),
             osStamp(moment, usuario)}};
    });
}

std::optional<dlg::Message> gravaCusto(db::Connection& cn, const LinhaCusto& linha,
                                       const QString& usuario) {
    return orderlock::alteraOrdem(cn, linha.osnr, [&] { insereCusto(cn, linha, usuario); });
}

std::optional<QString> codigoInsumoDigitado(const QString& typed) {
    const auto number = Decimal::parse(typed, false);
    if (!number)
        return std::nullopt;
    return QString::number(number->truncatedUnits());
}

TotaisCustos leTotaisCustos(db::Connection& cn, qint64 osnr) {
    ordertotals::SomaExata insumos, maoDeObra;
    db::Recordset rows = cn.query(QStringLiteral("select tipo, sum(qtde*valor) as subtotal from "
                                                 "os_custos where osnr = ? group by tipo"),
                                  {osnr});
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        const QString tipo = rows.text(QStringLiteral("tipo"));
        if (tipo == QLatin1String("P"))
            insumos += ordertotals::lida(rows, QStringLiteral("subtotal"));
        else if (tipo == QLatin1String("S"))
            maoDeObra += ordertotals::lida(rows, QStringLiteral("subtotal"));
    }
    return ordertotals::custos(insumos, maoDeObra);
}

QString textoTotaisCustos(const TotaisCustos& t) {
    return QStringLiteral("Produtos: ") + moeda(t.insumos) + QStringLiteral(" Srv/M.Obr: ") +
           moeda(t.maoDeObra) + QStringLiteral(" Total: ") + moeda(t.total);
}
