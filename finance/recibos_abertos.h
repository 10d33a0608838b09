#pragma once

#include <QStringList>

namespace db {
class Connection;
}

// The receipts started and not closed, as the open-receipt picker lists
// them: "P" payables (the number), "C" receivables (number, " | ", client).
// Any other mode lists nothing. Throws db::DbError.
QStringList recibosAbertos(db::Connection& cn, const QString& modo);
