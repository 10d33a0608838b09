#pragma once

#include "finance/centro_register.h"

// Cost sub-centre register.
class frmCadSubCentro : public CentroRegister {
    Q_OBJECT
public:
    explicit frmCadSubCentro(QWidget* parent = nullptr);
};
