#pragma once

#include "registers/statement.h"

// Saves of the supply-group register, or of another table of codes
// (cdgrupo) and names (dsgrupo) kept the same way.
Statement grupoInsert(const QString& dsgrupo,
                      const QString& table = QStringLiteral("grupoestoque"));
Statement grupoUpdate(qint64 cdgrupo, const QString& dsgrupo,
                      const QString& table = QStringLiteral("grupoestoque"));
