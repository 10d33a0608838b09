#pragma once

#include "platform/decimal.h"
#include "platform/dialogs.h"

#include <QString>
#include <optional>

// The supply register's checks before a save, in their order; each number
// box is read once by the typed-number rule and kept for the save.
struct ChecagemInsumo {
    std::optional<dlg::Message> erro;
    Decimal custo;
    Decimal minimo;
};
ChecagemInsumo checaInsumo(const QString& dspro, const QString& un, const QString& dsgrupo,
                           const QString& custo, const QString& minimo);

// A unit cost as its box shows it: two to four decimals, no grouping ("12,50").
QString formataCusto(Decimal valor);
// A quantity without trailing zeros ("5", "2,5").
QString formataQuantidade(Decimal valor);
// The cost box read as a number ("R$ " allowed).
std::optional<Decimal> leCusto(const QString& texto);
// The group a typed number names: its whole part, rounded down.
std::optional<qint64> codigoGrupo(const QString& texto);
