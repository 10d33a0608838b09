#include "pdf/creation_clock.h"

namespace pdfclock {

namespace {
std::function<QDateTime()>& current() {
    static std::function<QDateTime()> clock;
    return clock;
}
} // namespace

QDateTime now() {
    return current() ? current()() : QDateTime::currentDateTime();
}

QByteArray date() {
    return "D:" + now().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
}

void setClock(std::function<QDateTime()> clock) {
    current() = std::move(clock);
}

} // namespace pdfclock
