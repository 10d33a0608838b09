#include "service_orders/shared_work.h"

#include "platform/busy_guard.h"
#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "shell/shared_state.h"

#include <optional>

bool workOnShared(QWidget* busy, const std::function<void(db::Connection&)>& work) {
    std::optional<db::DbError> error;
    {
        BusyGuard guard(busy);
        try {
            shared::abreConexao();
            work(shared::gCn());
        } catch (const db::DbError& e) {
            error = e;
        }
    }
    if (!error)
        return true;
    dlg::showError(error->number(), error->text());
    return false;
}
