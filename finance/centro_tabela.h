#pragma once

#include "platform/db/statement.h"
#include "registers/picker_form.h"

// The two cost lists, cost centres and cost sub-centres: each row a code the
// database gives and a name.
using CentroTabela = PickerTable;

const CentroTabela& centrosDeCusto();
const CentroTabela& subCentrosDeCusto();

// The name of one code, for the windows that show it beside the code.
Statement centroNome(const CentroTabela& t, qint64 codigo);
