#pragma once

#include "registers/pessoa_register.h"

// Supplier register; every save of a supplier with a valid document is
// copied into the local fiscal file.
class frmCadFor : public PessoaRegister {
    Q_OBJECT
public:
    explicit frmCadFor(QWidget* parent = nullptr);

protected:
    void depoisDeGravar() override;
};
