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
    bool recebida = false; // kept as it is, locked on screen
};
struct PlanoLido {
    std::optional<QDate> emissao;
    // From the first instalment's key, but never fewer than the instalments:
    // a plan rebuilt around received rows keeps their older keys.
    int quantidade = 0;
    QList<ParcelaLida> parcelas;
    // Received on the instalments plus what an earlier save carried over.
    Decimal recebido;
    // Every row of the order as read, the carried one included: a save
    // writes only while they are unchanged, so a plan saved or received on
    // meanwhile is not written over.
    db::LoadedRows linhas = db::LoadedRows::none();
};
PlanoLido le(db::Connection& connection, qint64 osnr);
// What received instalments hold: their vrorig, which stays in the plan.
Decimal valorTravado(const QList<ParcelaLida>& travadas);

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
    // What the received instalments hold (their vrorig): a total below it
    // can never be planned.
    Decimal travado{};
};

struct ParcelaGravacao {
    QString nrdoc;
    Decimal valor;
    QDate vencimento;
};

// The new rows of a plan rebuilt around its received instalments, among the
// instalments as read (`lidas`), `quantidade` rows in all counting those:
// the total less what they hold, split evenly, numbered after the last
// received one, so no key of a received row comes back. Instalment n falls
// due n - 1 months after row 001 as read (or after the earliest row read,
// by its own number), the plan's schedule. Refused when the total is below
// what the received rows hold (`recebido`: the money itself), or a new row
// would be of 0 or less.
std::variant<QList<ParcelaGravacao>, dlg::Message> refazEmVolta(qint64 osnr, Decimal total,
                                                                Decimal recebido,
                                                                const QList<ParcelaLida>& lidas,
                                                                int quantidade);

struct PlanoGravacao {
    qint64 osnr = 0;
    QDate emissao;
    QList<ParcelaGravacao> parcelas;
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
// the received rows stay as they are and are not written again. With an
// approval, the header is stored in the same unit (its stored row returned).
// Nothing is written, and the outcome says why, when the order is gone or
// completed, when the approval's header is no longer as loaded (`Changed`),
// or when the plan's rows are no longer those the window read (`linhas`).
orderheader::Gravado grava(db::Connection& connection, const PlanoGravacao& plano,
                           const db::LoadedRows& linhas, const QString& stamp,
                           const Aprovacao* aprovacao = nullptr);

// The refusal of a save over a plan another station changed.
dlg::Message planoAlterado();

} // namespace receivables
