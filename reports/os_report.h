#pragma once

#include "reports/report_list.h"

#include <QDate>
#include <optional>

namespace db {
class Connection;
}

// The service-order report: the orders of one status opened in a period,
// optionally of one client, with their value and, from status 2 on, their
// supplies and labour costs; then the totals.
namespace osreport {

// `status` is the status digit ('0' to '4'); `today` counts the days of
// orders still open. Database failures throw db::DbError.
ReportList build(db::Connection& cn, QChar status, const QDate& first, const QDate& last,
                 std::optional<qint64> client, const QDate& today);

} // namespace osreport
