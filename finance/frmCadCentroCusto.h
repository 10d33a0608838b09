#pragma once

#include "finance/centro_tabela.h"
#include "registers/code_name_register.h"

// The register of one of the two cost lists, with its caption.
CodeNameTable centroRegisterTable(const CentroTabela& tabela, const QString& formName,
                                  const QString& caption);

// Cost-centre register.
class frmCadCentroCusto : public CodeNameRegister {
    Q_OBJECT
public:
    explicit frmCadCentroCusto(QWidget* parent = nullptr);
};
