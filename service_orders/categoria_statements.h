#pragma once

#include "registers/statement.h"

// Saves of the cost-category register.
Statement categoriaInsert(const QString& dsgrupo);
Statement categoriaUpdate(qint64 cdgrupo, const QString& dsgrupo);
