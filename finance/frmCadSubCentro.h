#pragma once

#include "registers/code_name_register.h"

// Cost sub-centre register.
class frmCadSubCentro : public CodeNameRegister {
    Q_OBJECT
public:
    explicit frmCadSubCentro(QWidget* parent = nullptr);
};
