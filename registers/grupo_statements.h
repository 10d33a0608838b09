#pragma once

#include "registers/statement.h"

// Saves of the supply-group register.
Statement grupoInsert(const QString& dsgrupo);
Statement grupoUpdate(qint64 cdgrupo, const QString& dsgrupo);
