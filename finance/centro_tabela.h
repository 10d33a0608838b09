#pragma once

#include "platform/db/statement.h"

#include <QString>

// One of the two cost lists: cost centres or cost sub-centres. Each row is a
// code the database gives and a name.
struct CentroTabela {
    QString tabela;   // centrocusto, subcentrocusto
    QString chave;    // cdcen, cdscen
    QString coluna;   // nmcen, nmscen
    QString itemMenu; // the main-window item whose permission guards adding
};

const CentroTabela& centrosDeCusto();
const CentroTabela& subCentrosDeCusto();

// The name of one code, for the windows that show it beside the code.
Statement centroNome(const CentroTabela& t, qint64 codigo);
