#pragma once

#include "platform/db/statement.h"
#include "platform/decimal.h"
#include "platform/dialogs.h"

#include <QString>
#include <optional>

namespace db {
class Connection;
class Recordset;
} // namespace db

// The status digit and client name of an order; none when no order has it.
struct OrdemDestino {
    QString ossit;
    QString nmcli;
};
std::optional<OrdemDestino> leOrdemDestino(db::Connection& cn, qint64 osnr);

// A purchase item as the allocation list read it.
struct ItemDestino {
    QString idlan;
    QString cdpro;
    QString dspro;
    QString un;
    Decimal qtde;
    Decimal qtdest;
    Decimal vfinal;
    Decimal vfrete;
    Decimal restante() const { return qtde - qtdest; }
};
ItemDestino itemDaLista(const db::Recordset& rows, qsizetype row);

// Supplies go to an order while it is approved or in progress.
bool aceitaDestino(const QString& ossit);
dlg::Message ordemSemStatus();

// The checks of an allocation, in their order, against the remaining
// quantity of the item as the list last read it.
struct ChecagemDestino {
    std::optional<dlg::Message> erro;
    qint64 cdcat = 0;
    Decimal qtde;
};
ChecagemDestino checaDestino(const QString& categoria, const QString& ossit, const QString& qtde,
                             Decimal restante);

// The cost lines allocated from one purchase item.
Statement destinosDoItem(const QString& idlan);

enum class Destino {
    Feito,
    SemSaldo,        // the item no longer has that much left
    OrdemFechada,    // the order is no longer in status 2 or 3
    OrdemInexistente // another station deleted the order
};
// Allocates `qtde` of the item to the order: the item's allocated quantity
// and the order's supply cost line (at purchase value plus unit freight) are
// written together or not at all, and only while the order, read under lock,
// is still approved or in progress. Runs again on a lock conflict; one that
// lasts is thrown.
Destino destina(db::Connection& cn, const ItemDestino& item, qint64 osnr, qint64 cdcat,
                Decimal qtde, const QString& usuario);
enum class Estorno {
    Feito,
    Ausente,              // the line is already gone
    EstoqueInconsistente, // the item holds less allocated than the line
    OrdemConcluida        // the order was completed: its costs stay
};
// Deletes a cost line; one allocated from a purchase item gives its stored
// quantity back to the item, together, and never takes the item's allocated
// quantity below zero. A completed order keeps its lines. Nothing is changed
// unless it is done. Runs again on a
// lock conflict; one that lasts is thrown.
Estorno estorna(db::Connection& cn, const QString& idlan, qint64 osnr);
// The refusal a window shows for a reversal not done; none when it was.
std::optional<dlg::Message> recusaDoEstorno(Estorno estorno);
