#pragma once

#include "platform/db/connection.h"

#include <QString>

namespace testsupport {

// While it lives, every `event` ("before delete on os_custos") fails as a
// deadlock would, so a unit of work meets the conflict on every retry.
class LastingConflict {
public:
    LastingConflict(db::Connection& cn, const QString& event) : cn_(cn) {
        cn_.execute(QStringLiteral("create trigger em_uso ") + event +
                    QStringLiteral(" for each row signal sqlstate '40001' set mysql_errno = 1213"));
    }
    ~LastingConflict() {
        try {
            cn_.execute(QStringLiteral("drop trigger if exists em_uso"));
        } catch (const db::DbError&) {
        }
    }
    LastingConflict(const LastingConflict&) = delete;
    LastingConflict& operator=(const LastingConflict&) = delete;

private:
    db::Connection& cn_;
};

} // namespace testsupport
