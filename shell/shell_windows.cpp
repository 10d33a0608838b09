#include "shell/shell_windows.h"

#include "shell/frmConcuiUpdate.h"
#include "shell/frmPlanoFundo.h"
#include "shell/frmcademp.h"
#include "shell/frmcadusuario.h"
#include "shell/frmconfig.h"
#include "shell/update_download.h"
#include "shell/window_registry.h"

void registerShellWindows() {
    windows::add(QStringLiteral("frmconfig"), windows::showModal<frmconfig>);
    windows::add(QStringLiteral("frmcadusuario"), windows::showModal<frmcadusuario>);
    windows::add(QStringLiteral("frmcademp"), windows::showModal<frmcademp>);
    windows::add(QStringLiteral("frmPlanoFundo"), windows::showModal<frmPlanoFundo>);
    windows::add(QStringLiteral("frmConcuiUpdate"), windows::showModal<frmConcuiUpdate>);
    windows::add(QStringLiteral("Atualizar"), mnu_update_Click);
}
