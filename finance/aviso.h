#pragma once

#include "platform/dialogs.h"

#include <QString>

// A message a rule refuses with, shown by the window that asked.
struct Aviso {
    QString texto;
    QString titulo = QStringLiteral("ATENÇÃO");
    dlg::Icon icone = dlg::Icon::Information;

    void mostra() const { dlg::inform(texto, titulo, icone); }
};
