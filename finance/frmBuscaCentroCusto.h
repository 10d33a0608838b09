#pragma once

#include "finance/busca_centro.h"

// Cost-centre picker: hands back cdcen and nmcen.
class frmBuscaCentroCusto : public BuscaCentro {
    Q_OBJECT
public:
    explicit frmBuscaCentroCusto(QWidget* parent = nullptr);

protected:
    void abreCadastro() override;
};
