#include "finance/escrita.h"

#include "platform/db/db_error.h"
#include "shell/shared_work.h"

namespace escrita {

Desfecho executa(QWidget* busy, const std::function<void(db::Connection&)>& work) {
    bool conflito = false;
    const bool feita = shared::withConnection(busy, [&](db::Connection& cn) {
        try {
            work(cn);
        } catch (const db::DbError& e) {
            if (!e.isLockConflict())
                throw;
            conflito = true;
        }
    });
    if (!feita)
        return Desfecho::Falhou;
    return conflito ? Desfecho::Conflito : Desfecho::Feita;
}

} // namespace escrita
