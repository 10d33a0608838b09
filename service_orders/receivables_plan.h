#pragma once

#include "platform/decimal.h"
#include "platform/dialogs.h"

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

// A row on which money was received (vrpg not 0, or settled): a save
// never deletes or rewrites it. What a save compares with the stored row.
struct LinhaRecebida {
    QString nrdoc;
    Decimal vrorig, vrpg, vrab, juros, descontos;
    QString pago;
    bool operator==(const LinhaRecebida&) const = default;
};

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
    // Every received row of the order, the carried one included, by key.
    QList<LinhaRecebida> recebidas;
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

// The new rows of a plan rebuilt around its received instalments
// (`travadas`), `quantidade` rows in all counting those: the total less what
// they hold, split evenly, the first due a month after the last received
// one and numbered after it, so no key of a received row comes back. Refused
// when the total is below what they hold, or a new row would be of 0 or less.
std::variant<QList<ParcelaGravacao>, dlg::Message>
refazEmVolta(qint64 osnr, Decimal total, const QList<ParcelaLida>& travadas, int quantidade);

struct PlanoGravacao {
    qint64 osnr = 0;
    qint64 cdcli = 0;
    QDate emissao;
    QList<ParcelaGravacao> parcelas;
};

// Checks a plan in the order the user is told about its faults. Each good
// value is rewritten with two decimals as the check passes it, also when a
// later row fails.
std::variant<PlanoGravacao, dlg::Message> confere(PlanoDigitado& plano, const QDate& hoje);

// Replaces the order's untouched rows with the plan's instalments, open, all
// or nothing, under the order's header lock; the received rows stay as they
// are and are not written again. The refusal, with nothing written, when the
// order is gone or completed, or when the received rows are no longer those
// the window loaded (`recebidas`): money was received or reversed meanwhile.
std::optional<dlg::Message> grava(db::Connection& connection, const PlanoGravacao& plano,
                                  const QList<LinhaRecebida>& recebidas, const QString& stamp);

} // namespace receivables
