#pragma once

#include "shell/program_end.h"
#include "shell/shared_state.h"

class QWidget;

// Shows a picker modally after emptying the code it hands back; false when
// the program ended meanwhile and the caller must stop.
template <typename Picker> bool pick(QWidget* parent) {
    shared::gCodigoPesquisa.clear();
    Picker picker(parent);
    picker.exec();
    return !program::ending();
}
