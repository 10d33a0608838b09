#include "service_orders/moment_key.h"

#include "platform/db/connection.h"

#include <QThread>

namespace {
constexpr int kTries = 3;
} // namespace

void insereComChaveDoMomento(db::Connection& cn,
                             const std::function<Statement(const QDateTime&)>& insert,
                             const Relogio& agora) {
    for (int attempt = 1;; ++attempt) {
        const QDateTime moment = agora();
        const Statement statement = insert(moment);
        try {
            cn.execute(statement);
            return;
        } catch (const db::DbError& e) {
            if (!e.isDuplicateKey() || attempt == kTries)
                throw;
        }
        const qint64 second = moment.toSecsSinceEpoch();
        while (agora().toSecsSinceEpoch() <= second)
            QThread::msleep(20);
    }
}
