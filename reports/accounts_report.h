#pragma once

#include "reports/report_list.h"

#include <QDate>
#include <optional>

namespace db {
class Connection;
}

// The accounts report: receivables or payables, open or settled, of a
// period and optionally of one client or supplier.
namespace accountsreport {

enum class Kind { ReceberAberto, ReceberBaixado, PagarAberto, PagarBaixado };

// Chosen by the first characters of the type ("0" receivables) and of the
// situation ("0" open).
Kind kindOf(const QString& tipo, const QString& situacao);

// The lines, a dash line and "Total: ". `party` is the client or supplier
// code to keep to, if any. Database failures throw db::DbError.
ReportList build(db::Connection& cn, Kind kind, const QDate& first, const QDate& last,
                 std::optional<qint64> party);

} // namespace accountsreport
