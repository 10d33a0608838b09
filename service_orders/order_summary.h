#pragma once

#include "platform/decimal.h"
#include "platform/dialogs.h"
#include "service_orders/custo_rules.h"

#include <QString>

namespace db {
class Connection;
}

// The money of one order as the approved-order window sums it up: its
// services, its costs by type and its receivables.
namespace ordersummary {

struct Resumo {
    Decimal servicos; // net total of the service lines, in cents
    TotaisCustos custos;
    // Still open on the order's receivable rows, the row of an amount
    // already received included.
    Decimal emAberto;
    // What the plan's instalments add up to.
    Decimal plano;

    // The services total and every plan are in cents, so "DIF" showing zero
    // means the plan fits.
    Decimal diferenca() const { return servicos - plano; }
    bool planoFecha() const { return diferenca().isZero(); }
};
Resumo le(db::Connection& connection, qint64 osnr);
// Whether the plan adds up to the services, read under lock inside the
// completing save's unit of work: no line or instalment of the order can
// change until it ends.
bool planoFechaSobTrava(db::Connection& connection, qint64 osnr);
// The refusal of a completion whose plan does not add up to the services.
dlg::Message divergencia();

// The captions of the summary's display buttons.
struct Legendas {
    QString servicos, custos, insumos, maoDeObra, emAberto, diferenca;
};
Legendas legendas(const Resumo& resumo);
// What the window shows before an order is loaded; the labour caption then
// has a text of its own.
Legendas legendasIniciais();

} // namespace ordersummary
