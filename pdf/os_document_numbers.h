#pragma once

#include "platform/decimal.h"

#include <QString>

// Amounts and quantities as the service-order windows and documents show
// them (the Brazilian setting: decimal comma, "." grouping, "R$").
namespace osformat {

// The plain form: no grouping, no trailing zeros ("1234,5", "3").
QString numero(Decimal value);
// Two to four decimals, no grouping ("10,125", "100,00").
QString preco(Decimal value);
// Two decimals, no grouping ("1234,50").
QString duasCasas(Decimal value);
// Two decimals, grouped ("1.234,50").
QString agrupado(Decimal value);

} // namespace osformat
