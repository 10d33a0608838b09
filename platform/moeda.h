#pragma once

#include "platform/decimal.h"

#include <QString>

// An amount in the currency form of the Brazilian setting: "R$ 1.234,56",
// "-R$ 0,50".
QString moeda(const Decimal& valor);
