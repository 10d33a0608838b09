#include "service_orders/order_windows.h"

#include "service_orders/frmOS_ListaOrc.h"
#include "service_orders/frmOS_Orc.h"
#include "service_orders/frmOS_Servicos.h"
#include "service_orders/frmOs_MNT.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"
#include "shell/window_registry.h"

#include <QHash>

namespace orderwindows {

namespace {

QHash<QString, Opener>& registry() {
    static QHash<QString, Opener> openers;
    return openers;
}

} // namespace

void add(const QString& formName, Opener opener) {
    registry().insert(formName, std::move(opener));
}

bool open(const QString& formName, const QString& osnr, QWidget* parent) {
    const auto it = registry().constFind(formName);
    if (it == registry().constEnd())
        return false;
    const Opener opener = it.value();
    opener(osnr, parent);
    return true;
}

} // namespace orderwindows

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
    orderwindows::add(QStringLiteral("frmOS_Orc"), [](const QString& osnr, QWidget* parent) {
        orderwindows::showWithNumber<frmOS_Orc>(&frmOS_Orc::txtOsNo, osnr, parent);
    });
    orderwindows::add(QStringLiteral("frmOS_Servicos"), [](const QString& osnr, QWidget* parent) {
        orderwindows::showWithNumber(&frmOS_Servicos::txtOsNr, osnr, parent);
    });
    orderwindows::add(QStringLiteral("frmOs_MNT"), [](const QString& osnr, QWidget* parent) {
        orderwindows::showWithNumber<frmOs_MNT>(&frmOs_MNT::txtOsNo, osnr, parent);
    });
}
