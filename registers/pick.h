#pragma once

#include "registers/register_codes.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"

#include <QLineEdit>

class QWidget;

// The caller's side of the picker protocol.

// Shows a picker modally after emptying the code it hands back; false when
// the program ended meanwhile and the caller must stop.
template <typename Picker> bool pick(QWidget* parent) {
    shared::gCodigoPesquisa.clear();
    Picker picker(parent);
    picker.exec();
    return !program::ending();
}

// A supply's code: any text but blanks.
inline bool codigoDeInsumo(const QString& code) {
    return !code.trimmed().isEmpty();
}

// A picker whose code goes into `codigo`, which then takes the focus, also
// when the pick was cancelled. `aceito` tells a code handed back from none: a
// number for the registers the database numbers, any text for supplies.
template <typename Picker>
void pickInto(QWidget* parent, QLineEdit* codigo, bool (*aceito)(const QString&) = isNumeric) {
    if (!pick<Picker>(parent))
        return;
    if (aceito(shared::gCodigoPesquisa))
        codigo->setText(shared::gCodigoPesquisa);
    codigo->setFocus();
}
