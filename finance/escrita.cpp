#include "finance/escrita.h"

#include "platform/db/unit_of_work.h"
#include "shell/shared_work.h"

namespace escrita {

Desfecho executa(QWidget* busy, const std::function<void(db::Connection&)>& work) {
    bool conflito = false;
    const bool feita = shared::withConnection(busy, [&](db::Connection& cn) {
        try {
            work(cn);
        } catch (const db::DbError& e) {
            if (!db::isLockConflict(e))
                throw;
            conflito = true;
        }
    });
    if (!feita)
        return Desfecho::Falhou;
    return conflito ? Desfecho::Conflito : Desfecho::Feita;
}

} // namespace escrita
