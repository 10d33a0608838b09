#include "service_orders/record_in_use.h"

#include "platform/db/unit_of_work.h"
#include "platform/dialogs.h"
#include "shell/shared_work.h"

namespace recordinuse {

namespace {

void mostraEmUso() {
    dlg::show(dlg::alerta(
        QStringLiteral("--- ERRO --- REGISTRO EM USO POR OUTRO USUÁRIO! TENTE NOVAMENTE.")));
}

} // namespace

void mostraFalha(const db::DbError& e) {
    if (db::isLockConflict(e))
        mostraEmUso();
    else
        dlg::showError(e);
}

bool naConexao(QWidget* busy, const std::function<void(db::Connection&)>& work) {
    bool emUso = false;
    const bool feito = shared::withConnection(busy, [&](db::Connection& cn) {
        try {
            work(cn);
        } catch (const db::DbError& e) {
            if (!db::isLockConflict(e))
                throw;
            emUso = true;
        }
    });
    // Shown once the pointer and the window are back.
    if (emUso)
        mostraEmUso();
    return feito && !emUso;
}

} // namespace recordinuse
