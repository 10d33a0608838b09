#include "reports/mail_handoff.h"

#include "platform/dialogs.h"

#include <QFileInfo>
#include <QStringList>

void sendByMail(const QString& attachment) {
    QStringList arguments;
    if (QFileInfo(attachment).isFile())
        arguments << QStringLiteral("--attach") << attachment;
    dlg::dialogs().startProgram(QStringLiteral("xdg-email"), arguments);
}
