#pragma once

#include "platform/db/value.h"

#include <QString>

// One SQL statement with its values bound as parameters.
struct Statement {
    QString sql;
    db::Params params;
};
