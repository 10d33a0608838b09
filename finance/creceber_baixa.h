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

// One instalment received now, with the balance it showed.
struct Item {
    QString nrdoc;
    qint64 cdcli = 0;
    QDate dte;
    QDate dtv;
    Decimal aberto;
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

// Receives the item into the receipt: the instalment's amounts grow and its
// balance falls, and the receipt row is written, together. False when the
// instalment no longer has the balance shown (nothing written).
bool adiciona(db::Connection& cn, const Item& item, const QString& nrrec, const QDate& dtbx);
// Takes a receipt row back out: its amounts come off the instalment and the
// row is deleted, together. False when the row is no longer in an open
// receipt or the instalment no longer holds what it received.
bool estorna(db::Connection& cn, qint64 id);
// The closing: the client's zero-balance instalments settled and the
// receipt's rows closed on the settlement date.
recibo::Fechamento fechamento(qint64 cdcli, const QString& nrrec, const QDate& dtbx);

} // namespace creceberbaixa
