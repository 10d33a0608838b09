#pragma once

#include "platform/decimal.h"
#include "registers/statement.h"

#include <QDateTime>
#include <QString>
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

// A refused line: the text of its message and whether it is the
// "incomplete data" message (information icon) or a range message
// (exclamation icon).
struct Recusa {
    QString texto;
    bool incompleta = false;
};

// The boxes of the line entry checked in the order the user is told about
// them; amounts parsed by the typed-number rule.
std::variant<Linha, Recusa> confere(const QString& descricao, const QString& unidade,
                                    const QString& quantidade, const QString& unitario,
                                    const QString& desconto);

// The line's identifier: the moment of entry as yyyymmddhhmmss.
QString idsrv(const QDateTime& moment);
void grava(db::Connection& connection, qint64 osnr, const Linha& linha, const QString& id,
           const QString& stamp);
void exclui(db::Connection& connection, qint64 id);
// One discount on every line of the order, stamped alike.
void descontoGeral(db::Connection& connection, qint64 osnr, Decimal pd, const QString& stamp);

struct Totais {
    Decimal subtotal;
    Decimal descontos;
    Decimal total() const { return subtotal - descontos; }
};
// The sums of an order's lines, and the totals read from them.
Statement somas(qint64 osnr);
Totais totais(const db::Recordset& somas);
// "SubTotal: R$ … Descontos: R$ … Total: R$ …".
QString linhaTotais(const Totais& totais);

} // namespace servicelines
