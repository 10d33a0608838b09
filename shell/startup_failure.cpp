#include "shell/startup_failure.h"

#include "platform/dialogs.h"
#include "shell/program_end.h"
#include "shell/window_registry.h"

void startupFailure(int number, const QString& description, QWidget* parent) {
    dlg::inform(QString::number(number) + QLatin1Char('\n') + description,
                QStringLiteral("ATENÇÃO"), dlg::Icon::Information);
    if (dlg::ask(QStringLiteral("SE FOR O PRIMEIRO ACESSO CLIQUE SIM!\nOU CONTATE O SUPORTE!"),
                 QStringLiteral("Atenção")))
        windows::open(QStringLiteral("frmconfig"), parent);
    program::End();
}
