#pragma once

#include "platform/decimal.h"

#include <QString>

// An amount in the currency form of the totals lines: "R$ 1.234,50".
QString moeda(Decimal valor);
