#include "registers/register_save.h"

#include "platform/db/command.h"
#include "platform/db/connection.h"
#include "shell/shared_state.h"

namespace {

// The connection is closed on every way out, as after any save.
struct ClosesSharedConnection {
    ~ClosesSharedConnection() { shared::fechaConexao(); }
};

} // namespace

qint64 runRegisterSave(const Statement& statement) {
    shared::fechaConexao();
    ClosesSharedConnection closer;
    shared::abreConexao();
    db::Command& command = shared::gCmd();
    command.setActiveConnection(&shared::gCn());
    command.setCommandText(statement.sql, statement.params);
    return command.execute();
}

qint64 runOnSharedConnection(const Statement& statement) {
    shared::abreConexao();
    return shared::gCn().execute(statement);
}
