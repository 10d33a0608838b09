#pragma once

#include "platform/db/statement.h"
#include "platform/decimal.h"
#include "platform/dialogs.h"
#include "platform/order_totals.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <variant>

namespace db {
class Connection;
class Recordset;
} // namespace db

// The service lines of an order (os_srv) and their totals.
namespace servicelines {

// The lines of an order, in the order they were entered.
Statement daOrdem(qint64 osnr);

struct Linha {
    QString dssrv;
    QString un;
    Decimal qt;
    Decimal vu;
    Decimal pd;
};

// The boxes of the line entry checked in the order the user is told about
// them; amounts parsed by the typed-number rule. A refusal is a box titled
// "ATENÇÃO": "incomplete data" with the information icon, a value out of
// range (a line, or its discount, worth more than an amount holds among
// them) with the exclamation icon. A discount above 100 % is taken.
std::variant<Linha, dlg::Message> confere(const QString& descricao, const QString& unidade,
                                          const QString& quantidade, const QString& unitario,
                                          const QString& desconto);

// The line's identifier: the moment of entry as yyyymmddhhmmss.
QString idsrv(const QDateTime& moment);
// Each change is made under the order's header lock; the refusal, with
// nothing written, when the order is gone or completed, or when the order's
// subtotal or discounts would leave the amounts' range.
std::optional<dlg::Message> grava(db::Connection& connection, qint64 osnr, const Linha& linha,
                                  const QString& id, const QString& stamp);
std::optional<dlg::Message> exclui(db::Connection& connection, qint64 osnr, qint64 id);
// One discount on every line of the order, stamped alike.
std::optional<dlg::Message> descontoGeral(db::Connection& connection, qint64 osnr, Decimal pd,
                                          const QString& stamp);

using Totais = ordertotals::Servicos;
// The exact sums of an order's lines, and the totals read from them.
Statement somas(qint64 osnr);
Totais totais(const db::Recordset& somas);
// The order's services total, its lines read under lock inside a unit of
// work that holds the order's header lock.
Decimal totalTravado(db::Connection& connection, qint64 osnr);
// "SubTotal: R$ … Descontos: R$ … Total: R$ …".
QString linhaTotais(const Totais& totais);

} // namespace servicelines
