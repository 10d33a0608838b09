#include "finance/finance_windows.h"
#include "platform/guarded_application.h"
#include "platform/qt_portuguese.h"
#include "registers/register_windows.h"
#include "reports/report_windows.h"
#include "service_orders/order_windows.h"
#include "service_orders/supply_windows.h"
#include "shell/frmprincipal.h"
#include "shell/program_end.h"
#include "shell/shell_windows.h"

#include <QTimer>

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendaro"));
    loadQtPortuguese();
    registerShellWindows();
    registerRegisterWindows();
    registerReportWindows();
    registerFinanceWindows();
    registerSupplyWindows();
    registerOrderWindows();

    frmPrincipal main;
    main.showMaximized();
    // The first activation, should the desktop not report it.
    QTimer::singleShot(0, &main, &frmPrincipal::Form_Activate);
    program::setMainLoopRunning(true);
    return program::ending() ? 0 : app.exec();
}
