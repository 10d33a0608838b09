#include "service_orders/os_stamp.h"

#include "platform/dates.h"
#include "shell/shared_state.h"

QString osStamp(const QDateTime& moment) {
    return dates::stampBr(moment) + QLatin1Char(' ') + shared::gUsuario;
}
