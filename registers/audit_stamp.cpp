#include "registers/audit_stamp.h"

#include "platform/dates.h"
#include "shell/shared_state.h"

QString auditStamp() {
    return shared::gUsuario + QLatin1Char(' ') + dates::stampBr(QDateTime::currentDateTime());
}
