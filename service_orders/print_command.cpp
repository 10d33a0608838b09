#include "service_orders/print_command.h"

#include "platform/busy_guard.h"
#include "platform/db/db_error.h"
#include "platform/dialogs.h"
#include "shell/shared_state.h"

#include <QFile>

namespace {

// The writer's and the reader's own failures carry Portuguese texts.
void informaFalha(const QString& texto) {
    dlg::inform(QStringLiteral("--- ERRO --- ") + texto, QStringLiteral("ATENÇÃO"),
                dlg::Icon::Critical);
}

} // namespace

void imprimeOS(QWidget* window, bool (*documento)(const QString& osnr), const QString& osnr) {
    bool written = false;
    {
        BusyGuard busy(window);
        try {
            written = documento(osnr);
        } catch (const db::DbError& e) {
            dlg::showError(e);
            return;
        } catch (const std::exception& e) {
            informaFalha(QString::fromUtf8(e.what()));
            return;
        }
    }
    if (written && QFile::exists(shared::gArquivoPDF))
        dlg::dialogs().openDocument(shared::gArquivoPDF);
}
