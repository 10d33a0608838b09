#pragma once

#include "platform/dialogs.h"

// A refusal as these windows' checks report it: a box titled "ATENÇÃO".
inline dlg::Message atencao(const QString& text, dlg::Icon icon) {
    return dlg::Message{QStringLiteral("ATENÇÃO"), text, icon};
}
