#include "service_orders/order_lock.h"

#include "platform/db/connection.h"
#include "platform/db/unit_of_work.h"
#include "service_orders/order_status.h"

namespace orderlock {

std::optional<QString> trava(db::Connection& cn, qint64 osnr) {
    const db::Recordset row = cn.query(
        QStringLiteral("select ossit from os_cab where osnr = ? for update"), {db::integer(osnr)});
    if (row.isEmpty())
        return std::nullopt;
    return row.text(QStringLiteral("ossit"));
}

std::optional<dlg::Message> travaParaAlterar(db::Connection& cn, qint64 osnr) {
    const auto ossit = trava(cn, osnr);
    if (!ossit)
        return ordemInexistente();
    if (orderstatus::concluida(*ossit))
        return ordemConcluida();
    return std::nullopt;
}

std::optional<dlg::Message> alteraOrdem(db::Connection& cn, qint64 osnr,
                                        const std::function<void()>& work) {
    return db::unitOfWork(cn, [&](db::Transaction& transaction) {
        if (auto recusa = travaParaAlterar(cn, osnr))
            return recusa;
        work();
        transaction.commit();
        return std::optional<dlg::Message>();
    });
}

dlg::Message ordemInexistente() {
    return dlg::alerta(QStringLiteral("--- ERRO --- ORDEM NÃO ENCONTRADA! CONSULTE NOVAMENTE."));
}

bool sumiu(const std::optional<dlg::Message>& recusa) {
    return recusa && recusa->text == ordemInexistente().text;
}

dlg::Message numeroInvalido() {
    return dlg::atencao(QStringLiteral("--- ERRO --- NÚMERO DA O.S. INVÁLIDO!"));
}

dlg::Message ordemConcluida() {
    return dlg::alerta(QStringLiteral("--- ERRO --- ORDEM CONCLUÍDA NÃO PODE SER ALTERADA!"));
}

dlg::Message ordemAlterada() {
    return dlg::alerta(
        QStringLiteral("--- ERRO --- ORDEM ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS."));
}

} // namespace orderlock
