#pragma once

#include "platform/decimal.h"
#include "platform/db/statement.h"

// What the supply register writes.
struct ProdutoDados {
    QString cdpro, dspro, un;
    qint64 cdgrupo = 0;
    Decimal vcusto;
    QString dtucmp, obs;
    Decimal qmin;
};

Statement produtoInsert(const ProdutoDados& p, const QString& evcad, const QString& ultev);
// Rewrites every column but the code and the creation stamp.
Statement produtoUpdate(const ProdutoDados& p, const QString& ultev);
