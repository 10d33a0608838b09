#include "service_orders/order_windows.h"

#include "service_orders/frmOS_ListaOrc.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"
#include "shell/window_registry.h"

namespace {

// The quote list does not block the main window; the list of orders in
// progress does.
void abreLista(QWidget* parent) {
    if (shared::gModoOS == QLatin1String("A")) {
        windows::showModal<frmOS_ListaOrc>(parent);
        return;
    }
    if (program::ending())
        return;
    auto* lista = new frmOS_ListaOrc(parent);
    lista->setAttribute(Qt::WA_DeleteOnClose);
    lista->show();
}

} // namespace

void registerOrderWindows() {
    windows::add(QStringLiteral("frmOS_ListaOrc"), abreLista);
}
