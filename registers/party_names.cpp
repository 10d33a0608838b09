#include "registers/party_names.h"

#include "platform/db/connection.h"
#include "registers/register_codes.h"

Statement fornecedorNome(qint64 cdfor) {
    return {QStringLiteral("select nmfor from fornecedores where cdfor = ?"), {cdfor}};
}

Statement clienteNome(qint64 cdcli) {
    return {QStringLiteral("select nmcli from cliente where cdcli = ?"), {cdcli}};
}

std::optional<QString> leNome(db::Connection& cn, const QString& codigo,
                              const std::function<Statement(qint64)>& statement) {
    const auto code = wholeCode(codigo);
    if (!code)
        return std::nullopt;
    const Statement s = statement(*code);
    const db::Recordset r = cn.query(s);
    if (r.isEmpty())
        return std::nullopt;
    return r.textAt(r.rowCount() - 1, 0);
}
