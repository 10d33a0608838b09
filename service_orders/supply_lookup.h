#pragma once

#include "platform/decimal.h"

#include <QString>
#include <optional>

namespace db {
class Connection;
}

// What the cost and purchase windows show of the supply whose code was typed.
struct InsumoLido {
    QString dspro;
    QString un;
    Decimal vcusto;
};
// None when no supply has that code. Throws db::DbError.
std::optional<InsumoLido> leInsumo(db::Connection& cn, const QString& cdpro);
