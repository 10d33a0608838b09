#include "reports/report_windows.h"

#include "reports/frmOS_Relatorios.h"
#include "reports/frmRel_Contas.h"
#include "reports/frmgerapdfp.h"
#include "shell/window_registry.h"

void registerReportWindows() {
    windows::add(QStringLiteral("frmRel_Contas"), windows::showModal<frmRel_Contas>);
    windows::add(QStringLiteral("frmOS_Relatorios"), windows::showModal<frmOS_Relatorios>);
    windows::add(QStringLiteral("frmgerapdfp"), windows::showModal<frmgerapdfp>);
}
