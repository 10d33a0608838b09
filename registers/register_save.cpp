#include "registers/register_save.h"

#include "platform/db/command.h"
#include "platform/db/connection.h"
#include "shell/shared_state.h"

namespace {

// The connection is closed on every way out, as after any save.
struct ClosesSharedConnection {
    bool closes;
    ~ClosesSharedConnection() {
        if (closes)
            shared::fechaConexao();
    }
};

template <class Work> auto onSharedConnection(SaveConnection use, Work&& work) {
    const bool reopened = use == SaveConnection::Reopened;
    if (reopened)
        shared::fechaConexao();
    ClosesSharedConnection closer{reopened};
    shared::abreConexao();
    return work(shared::gCn());
}

void execute(db::Connection& cn, const Statement& statement) {
    db::Command& command = shared::gCmd();
    command.setActiveConnection(&cn);
    command.setCommandText(statement.sql, statement.params);
    command.execute();
}

} // namespace

void runRegisterInsert(SaveConnection use, const Statement& insert) {
    onSharedConnection(use, [&](db::Connection& cn) { execute(cn, insert); });
}

db::SaveOver runRegisterUpdate(SaveConnection use, const Statement& stored,
                               const db::LoadedRow& loaded, const Statement& update) {
    return onSharedConnection(use, [&](db::Connection& cn) {
        return db::saveOverLoaded(cn, stored, loaded,
                                  [&](db::Connection& on) { execute(on, update); });
    });
}
