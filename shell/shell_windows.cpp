#include "shell/shell_windows.h"

#include "shell/frmconfig.h"
#include "shell/window_registry.h"

void registerShellWindows() {
    windows::add(QStringLiteral("frmconfig"), windows::showModal<frmconfig>);
}
