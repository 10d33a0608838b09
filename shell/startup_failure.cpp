#include "shell/startup_failure.h"

#include "platform/dialogs.h"
#include "shell/program_end.h"
#include "shell/window_registry.h"

namespace {

// The driver's numbers for a server that cannot be reached or went away: the
// user is told to look at the server, not shown the driver's English text.
bool serverUnreachable(int number) {
    return number == 2002 || number == 2003 || number == 2006 || number == 2013;
}

} // namespace

void startupFailure(int number, const QString& description, QWidget* parent) {
    dlg::inform(serverUnreachable(number)
                    ? QStringLiteral("--- ERRO --- SERVIDOR DE BANCO DE DADOS INDISPONÍVEL! "
                                     "VERIFIQUE SE O SERVIDOR ESTÁ LIGADO.")
                    : QString::number(number) + QLatin1Char('\n') + description,
                QStringLiteral("ATENÇÃO"), dlg::Icon::Information);
    if (dlg::ask(QStringLiteral("SE FOR O PRIMEIRO ACESSO CLIQUE SIM!\nOU CONTATE O SUPORTE!"),
                 QStringLiteral("Atenção")))
        windows::open(QStringLiteral("frmconfig"), parent);
    program::End();
}
