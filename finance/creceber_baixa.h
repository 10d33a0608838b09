#pragma once

#include "finance/recibo.h"

namespace db {
class Connection;
}

// Settlement of receivables: a client's instalments received in part or in
// full into a receipt, taken back out of it, and the receipt closed.
namespace creceberbaixa {

Statement abertasDoCliente(qint64 cdcli);
Statement itensDoRecibo(qint64 cdcli, const QString& nrrec);
// The client's whole open balance, as "vraberto".
Statement saldoAberto(qint64 cdcli);
// Interest, discount and amount received of the receipt, as vrj, vrd, vrp.
Statement somasDoRecibo(const QString& nrrec);

// One instalment received now.
struct Item {
    QString nrdoc;
    std::optional<QDate> dte;
    std::optional<QDate> dtv;
    Decimal juros;
    Decimal descontos;
    Decimal recebido;
};

// The item frame's boxes checked in order, rewritten with two decimals;
// `total` is what is due now. Nothing when they may be received.
struct Caixas {
    QString aberto;
    QString juros;
    QString descontos;
    QString recebido;
    QString total;
    QString documento;
};
std::optional<dlg::Message> confere(Caixas& caixas);

// Receives the item into receipt `nrrec` of client `cdcli`: the
// instalment's amounts grow and its balance falls, and the receipt row is
// written, together. Checked on the instalment's locked row, so two windows
// can never receive more than its balance: refused (nothing written) when
// the receipt was closed meanwhile, the instalment is no longer open or is
// another client's, or the amount exceeds its balance + interest - discount.
// Each runs as a unit of work: a lock conflict that outlasts its retries is
// thrown.
std::optional<dlg::Message> adiciona(db::Connection& cn, const Item& item, const QString& nrrec,
                                     qint64 cdcli, const QDate& dtbx);
// Takes a receipt row back out: its amounts come off the instalment and the
// row is deleted, together. Refused when the row is no longer in an open
// receipt, the instalment no longer holds what it received, or a later
// receipt of the instalment would leave its balance below zero.
std::optional<dlg::Message> estorna(db::Connection& cn, qint64 id);
// The closing: the client's zero-balance instalments settled and the
// receipt's rows closed on the settlement date.
recibo::Fechamento fechamento(qint64 cdcli, const QString& nrrec, const QDate& dtbx);

} // namespace creceberbaixa
