#pragma once

#include "finance/centro_register.h"

// Cost-centre register.
class frmCadCentroCusto : public CentroRegister {
    Q_OBJECT
public:
    explicit frmCadCentroCusto(QWidget* parent = nullptr);
};
