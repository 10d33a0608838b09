#pragma once

#include "finance/recibo.h"
#include "platform/db/recordset.h"

namespace db {
class Connection;
}

// Settlement of payables: the lists, and the statements that move an
// instalment into a receipt, back out of it, and settle the receipt.
namespace cpagarbaixa {

Statement itensDoRecibo(const QString& nrrec);
Statement abertasDoFornecedor(qint64 cdfor);
Statement vencendoEm(const QDate& dia);

// What the receipt's items add up to: open value, interest, discount and
// amount paid.
struct Somas {
    Decimal aberto;
    Decimal juros;
    Decimal descontos;
    Decimal pago;
};
Somas somas(db::Recordset itens);

// Takes the instalment into the receipt with this interest and discount,
// while the receipt is still open and the instalment still has the open
// value shown and is open or already in this receipt; otherwise nothing is
// written and the refusal is given. Each runs as a unit of work: a lock
// conflict that outlasts its retries is thrown.
std::optional<dlg::Message> adiciona(db::Connection& cn, const QString& idlan,
                                     const Decimal& aberto, const Decimal& juros,
                                     const Decimal& descontos, const QString& nrrec);
// Takes an item back out of the receipt; refused when it is no longer in it.
std::optional<dlg::Message> estorna(db::Connection& cn, const QString& idlan, const QString& nrrec);
// The closing of a receipt: its items settled on the settlement date.
recibo::Fechamento fechamento(const QString& nrrec, const QDate& dtbx);

} // namespace cpagarbaixa
