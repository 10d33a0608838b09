#include "service_orders/order_summary.h"

#include "platform/db/connection.h"
#include "platform/moeda.h"
#include "service_orders/receivables_plan.h"
#include "service_orders/service_lines.h"

namespace ordersummary {

Resumo le(db::Connection& connection, qint64 osnr) {
    Resumo resumo;
    const Statement somas = servicelines::somas(osnr);
    resumo.servicos = servicelines::totais(connection.query(somas)).total;
    resumo.custos = leTotaisCustos(connection, osnr);
    const db::Recordset receber = connection.query(
        QStringLiteral(
            "select sum(vrab) as subtotal,sum(vrorig) as stotal from creceber where refdoc = ?"),
        {db::text(receivables::refdoc(osnr))});
    if (!receber.isEmpty()) {
        resumo.emAberto = receber.decimal(QStringLiteral("subtotal"));
        resumo.plano = receber.decimal(QStringLiteral("stotal"));
    }
    return resumo;
}

bool planoFechaSobTrava(db::Connection& connection, qint64 osnr) {
    Resumo resumo;
    resumo.servicos = servicelines::totalTravado(connection, osnr);
    const db::Recordset plano = connection.query(
        QStringLiteral("select sum(vrorig) as stotal from creceber where refdoc = ? for update"),
        {db::text(receivables::refdoc(osnr))});
    if (!plano.isEmpty())
        resumo.plano = plano.decimal(QStringLiteral("stotal"));
    return resumo.planoFecha();
}

dlg::Message divergencia() {
    return dlg::critico(QStringLiteral("--- ERRO --- DIVERGENCIA NO FINANCEIRO DA ORDEM!"));
}

Legendas legendas(const Resumo& resumo) {
    return {moeda(resumo.servicos),
            moeda(resumo.custos.total),
            QStringLiteral("Insumos: ") + moeda(resumo.custos.insumos),
            QStringLiteral("M.OB.: ") + moeda(resumo.custos.maoDeObra),
            moeda(resumo.emAberto),
            QStringLiteral("DIF: ") + moeda(resumo.diferenca())};
}

Legendas legendasIniciais() {
    Legendas zero = legendas({});
    zero.maoDeObra = QStringLiteral("O.OB.:") + moeda(Decimal());
    return zero;
}

} // namespace ordersummary
