#include "platform/db/unit_of_work.h"

#include <QRandomGenerator>
#include <QThread>

namespace db {

void pauseBeforeRetry(int attempt) {
    const int base = 20 * (attempt + 1);
    QThread::msleep(static_cast<unsigned long>(base + QRandomGenerator::global()->bounded(base)));
}

} // namespace db
