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

// A picker whose numeric code goes into `codigo`, which then takes the
// focus, also when the pick was cancelled.
template <typename Picker> void pickInto(QWidget* parent, QLineEdit* codigo) {
    if (!pick<Picker>(parent))
        return;
    if (isNumeric(shared::gCodigoPesquisa))
        codigo->setText(shared::gCodigoPesquisa);
    codigo->setFocus();
}
