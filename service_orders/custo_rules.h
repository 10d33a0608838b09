#pragma once

#include "platform/db/statement.h"
#include "platform/decimal.h"
#include "platform/dialogs.h"
#include "platform/order_totals.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace db {
class Connection;
}

// The row key of a cost line: order number, "_", yymmddhhmmss, "_", user,
// cut to 45 characters and stripped of blanks.
QString chaveCusto(qint64 osnr, const QDateTime& moment, const QString& usuario);

// One cost line to write. `idest` is the purchase item it came from, if any.
struct LinhaCusto {
    qint64 osnr = 0;
    QString tipo; // "P" supply, "S" labour
    QString cdpro;
    QString dspro;
    QString un;
    Decimal qtde;
    Decimal valor;
    qint64 cdcat = 0;
    std::optional<QString> idest;
};

// The cost window's boxes as typed.
struct CustoDigitado {
    QString categoria; // the category list's text
    QString cdpro;
    QString dspro;
    QString un;
    QString qtde;
    QString valor;
};

// The checks of a typed cost line, in their order; without an error the line
// is filled from the boxes (the order, type and user are the caller's).
struct ChecagemCusto {
    std::optional<dlg::Message> erro;
    LinhaCusto linha;
};
ChecagemCusto checaCusto(const CustoDigitado& digitado);

// Inserts a cost line stamped with the present moment (see platform/db/moment_key.h).
void insereCusto(db::Connection& cn, const LinhaCusto& linha, const QString& usuario);
// The same, as a unit of work under the order's header lock; the refusal,
// with nothing written, when the order is gone or completed.
std::optional<dlg::Message> gravaCusto(db::Connection& cn, const LinhaCusto& linha,
                                       const QString& usuario);

// The supply code a typed code looks up: its whole number, without leading
// zeros or decimals ("007" looks up "7"); none for a text that is no number.
std::optional<QString> codigoInsumoDigitado(const QString& typed);

// Line values of an order summed by type: supplies "P", labour "S"; any
// other type is left out.
using TotaisCustos = ordertotals::Custos;
TotaisCustos leTotaisCustos(db::Connection& cn, qint64 osnr);
QString textoTotaisCustos(const TotaisCustos& totais);
