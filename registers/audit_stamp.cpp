#include "registers/audit_stamp.h"

#include "platform/dates.h"
#include "shell/shared_state.h"

QString auditStamp(const QString& usuario, const QDateTime& moment) {
    return usuario + QLatin1Char(' ') + dates::stampBr(moment);
}

QString auditStamp() {
    return auditStamp(shared::gUsuario, QDateTime::currentDateTime());
}
