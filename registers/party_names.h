#pragma once

#include "platform/db/statement.h"

#include <functional>
#include <optional>

namespace db {
class Connection;
}

// Names shown beside a typed code.
Statement fornecedorNome(qint64 cdfor);
Statement clienteNome(qint64 cdcli);

// The name the statement (one column) gives in its last row; nothing when
// the code box holds no whole number or no row has it. The connection is
// open; throws db::DbError.
std::optional<QString> leNome(db::Connection& cn, const QString& codigo,
                              const std::function<Statement(qint64)>& statement);
