#pragma once

#include "platform/db/statement.h"

#include <QString>

namespace db {
class Connection;
}

// What the service-order list reads and writes.
namespace orderlist {

// The orders of a list mode: "O" quotes (statuses 0 and 1), "A" orders in
// progress (2 and 3).
Statement porModo(const QString& mode);
// The quotes of one status digit.
Statement porSituacao(const QString& digit);
// Orders of every status whose client name, client city or requester
// contains the text, by client name, date and number (orders without a
// client row match no client name or city). The order picker searches with
// the first and the last.
Statement porCliente(const QString& part);
Statement porCidade(const QString& part);
Statement porSolicitante(const QString& part);

// Creates an empty order (today, status 0, client and collaborator 0) with
// both stamps from `stamp`; returns its number.
qint64 abreOrdem(db::Connection& connection, const QString& stamp);
enum class Exclusao {
    Excluida,
    ComContas,  // it has receivables or cost lines: nothing deleted
    Inexistente // no such order (already deleted elsewhere)
};
// Deletes an order's service lines and header together, and only an order
// with neither receivables nor cost lines, which would be left billing or
// costing an order that is gone.
Exclusao excluiOrdem(db::Connection& connection, qint64 osnr);

} // namespace orderlist
