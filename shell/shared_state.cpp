#include "shell/shared_state.h"

#include "platform/db/command.h"
#include "platform/db/connection.h"

namespace shared {

db::Connection& gCn() {
    static auto* connection = new db::Connection();
    return *connection;
}

db::Command& gCmd() {
    static auto* command = new db::Command();
    return *command;
}

void abreConexao() {
    db::Connection& cn = gCn();
    if (!cn.isOpen()) {
        cn.setConnectionString(gConexao);
        cn.open();
    }
}

void fechaConexao() {
    gCn().close();
}

} // namespace shared
