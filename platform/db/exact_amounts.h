#pragma once

#include "platform/db/value.h"

#include <QString>

namespace db {

// The driver sends every bound value as text, and the server's arithmetic
// on text is floating point: "0.3 - ?" bound to 0.1 is not 0.2 there. Each
// placeholder bound to a Decimal is given back in `sql` as an exact decimal
// wide enough for Decimal's whole range. Placeholders are told apart from a
// "?" in a quoted text or name or in a comment as the server tells them; a
// text whose placeholders don't match `params` in number throws DbError, as
// the amounts could not be told apart.
QString withExactAmounts(const QString& sql, const Params& params);

} // namespace db
