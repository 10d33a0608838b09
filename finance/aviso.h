#pragma once

#include "platform/dialogs.h"

#include <QString>

// A message a rule refuses with, shown by the window that asked.
struct Aviso {
    QString texto;
    QString titulo = QStringLiteral("ATENÇÃO");
    dlg::Icon icone = dlg::Icon::Information;

    static Aviso alerta(const QString& texto, const QString& titulo = QStringLiteral("ATENÇÃO")) {
        return {texto, titulo, dlg::Icon::Exclamation};
    }
    static Aviso critico(const QString& texto) {
        return {texto, QStringLiteral("ATENÇÃO"), dlg::Icon::Critical};
    }

    void mostra() const { dlg::inform(texto, titulo, icone); }
};
