#pragma once

#include "registers/pessoa_register.h"

// Collaborator register.
class frmCadVendedor : public PessoaRegister {
    Q_OBJECT
public:
    explicit frmCadVendedor(QWidget* parent = nullptr);
};
