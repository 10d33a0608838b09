#include "platform/db/moment_key.h"

#include "platform/dates.h"
#include "platform/db/connection.h"

namespace db {

namespace {
constexpr int kNovasTentativas = 3;
} // namespace

QDateTime insereComChaveDoMomento(Connection& cn,
                                  const std::function<Statement(const QDateTime&)>& insert,
                                  const Relogio& agora) {
    for (int tentativa = 0;; ++tentativa) {
        const QDateTime momento = agora();
        try {
            cn.execute(insert(momento));
            return momento;
        } catch (const DbError& e) {
            if (!e.isDuplicateKey() || tentativa == kNovasTentativas)
                throw;
        }
        dates::waitForNextSecond(momento);
    }
}

} // namespace db
