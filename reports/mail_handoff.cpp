#include "reports/mail_handoff.h"

#include "platform/dialogs.h"

#include <QFileInfo>

void sendByMail(const QString& attachment) {
    dlg::dialogs().composeMail(QFileInfo(attachment).isFile() ? attachment : QString());
}
