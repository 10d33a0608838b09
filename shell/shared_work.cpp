#include "shell/shared_work.h"

#include "platform/busy_guard.h"
#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "shell/shared_state.h"

#include <optional>

namespace shared {

bool withConnection(QWidget* busy, const std::function<void(db::Connection&)>& work) {
    std::optional<db::DbError> error;
    {
        BusyGuard guard(busy);
        try {
            abreConexao();
            work(gCn());
        } catch (const db::DbError& e) {
            error = e;
        }
    }
    if (!error)
        return true;
    dlg::showError(*error);
    return false;
}

} // namespace shared
