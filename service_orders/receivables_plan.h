#pragma once

#include "finance/parcelas.h"
#include "platform/decimal.h"
#include "platform/dialogs.h"
#include "service_orders/order_header.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

namespace db {
class Connection;
}

// The receivables plan of a service order: its instalments in creceber, one
// row each, plus at most one row carrying what was already received.
namespace receivables {

// The order number as 10 digits: every row of the order carries it.
QString refdoc(qint64 osnr);
// The row key: refdoc, then the instalment and the count.
QString nrdoc(qint64 osnr, int parcela, int quantidade);
// False for the row of the amount already received ("…000000").
bool ehParcela(const QString& nrdoc);
// "002/003": the instalment and the count a key holds.
QString rotulo(const QString& nrdoc);

// The order total split evenly, rounded to cents once from the exact
// quotient; the remainder is left to the user.
Decimal valorParcela(Decimal total, int quantidade);
// A typed date: as a date box takes it, or d/m/yyyy.
std::optional<QDate> data(const QString& typed);
// A first due date more than ten days before today.
bool muitoRetroativo(const QDate& primeiro, const QDate& hoje);

// Money was received on the current row of the order's plan (vrpg not 0,
// or settled): a save never deletes or rewrites it.
bool recebida(const db::Recordset& row);

struct ParcelaLida {
    QString nrdoc;
    Decimal vrorig;
    std::optional<QDate> dtv;
    bool recebida = false; // kept in the plan, locked on screen
    // What receipts settled of vrorig (vrorig - vrab, the money received
    // less its interest, plus its discounts): the least it may be lowered to.
    Decimal liquidado{};
};
struct PlanoLido {
    std::optional<QDate> emissao;
    // The instalments read: a plan rebuilt around received rows keeps their
    // older keys, so no key tells the count.
    int quantidade = 0;
    QList<ParcelaLida> parcelas;
    // Received on the instalments plus what an earlier save carried over,
    // interest included: what the window shows.
    Decimal recebido;
    // What of the services the rows settled: the received instalments'
    // settled parts plus what an earlier save carried over. No plan goes
    // below it.
    Decimal liquidado;
    // Every row of the order as read, the carried one included: a save
    // writes only while they are unchanged, so a plan saved or received on
    // meanwhile is not written over.
    db::LoadedRows linhas = db::LoadedRows::none();
};
PlanoLido le(db::Connection& connection, qint64 osnr);

// One instalment row as typed in the window.
struct ParcelaDigitada {
    QString valor;
    QString vencimento;
    QString rotulo;
    QString chave;
};
// The window's boxes at a save.
struct PlanoDigitado {
    QString osnr;
    QString total;
    QString cdcli;
    QString nmcli;
    QString recebido;
    QString emissao;
    QList<ParcelaDigitada> parcelas;
    // False after "Novo Plano" hid the rows: there is no plan to save.
    bool parcelasNaTela = true;
    // What the rows read settled of the services (PlanoLido::liquidado).
    Decimal liquidado{};
    // Outside an approval, open rows were read and nothing received: a
    // total of 0 or less then saves as no instalment at all.
    bool limpaAbertas = false;
};

struct ParcelaGravacao {
    QString nrdoc;
    Decimal valor;
    QDate vencimento;
};

// A plan rebuilt around its received instalments from the instalments as
// read (`lidas`), `quantidade` rows in all, in due-date order. The received
// rows keep their keys; when the total is below what they hold, they are
// lowered, the latest due first, only as far as needed and never below what
// receipts settled of them. The earliest open rows keep their number and due
// date, later ones go, and rows still wanting take the free numbers after
// the last open row kept, falling due on the plan's schedule: row n is due
// n - m months after row m, row 001 as read or else the row read with the
// greatest day of month. Open and new rows share the rest of the total
// evenly and carry the new count. Refused when the total is below what was
// settled (`liquidado`), or an open row would be of 0 or less.
std::variant<QList<ParcelaLida>, dlg::Message> refazEmVolta(qint64 osnr, Decimal total,
                                                            Decimal liquidado,
                                                            const QList<ParcelaLida>& lidas,
                                                            int quantidade);

struct PlanoGravacao {
    qint64 osnr = 0;
    QDate emissao;
    QList<ParcelaGravacao> parcelas;
    // The order total the plan was made for: its services when saved.
    Decimal total{};
};

// Checks a plan in the order the user is told about its faults. Each good
// value is rewritten with two decimals as the check passes it, also when a
// later row fails.
std::variant<PlanoGravacao, parcelas::Recusa> confere(PlanoDigitado& plano, const QDate& hoje);

// The approval a quote's plan stores with it: the header as the quote
// window would save it, over the row that window loaded.
struct Aprovacao {
    orderheader::Gravacao cabecalho;
    db::LoadedRow lida;
};

// Replaces the order's untouched rows with the plan's instalments, open, all
// or nothing, under the order's header lock, for the client the header holds;
// a received row stays, only lowered where the plan lowered it (never below
// what receipts settled of it, its balance recomputed and settled at 0).
// With an approval, the header is stored in the same unit (its stored row
// returned). Nothing is written, and the outcome says why, when the order is
// gone or completed, when the approval's header is no longer as loaded or
// the services no longer come to the plan's total (`Changed`), or when the
// plan's rows are no longer those the window read (`linhas`).
orderheader::Gravado grava(db::Connection& connection, const PlanoGravacao& plano,
                           const db::LoadedRows& linhas, const QString& stamp,
                           const Aprovacao* aprovacao = nullptr);

// The refusal of a save over a plan another station changed.
dlg::Message planoAlterado();

} // namespace receivables
