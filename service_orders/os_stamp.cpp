#include "service_orders/os_stamp.h"

#include "platform/dates.h"
#include "shell/shared_state.h"

QString osStamp(const QDateTime& moment, const QString& usuario) {
    return dates::stampBr(moment) + QLatin1Char(' ') + usuario;
}

QString osStamp(const QDateTime& moment) {
    return osStamp(moment, shared::gUsuario);
}
