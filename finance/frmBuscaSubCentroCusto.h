#pragma once

#include "finance/busca_centro.h"

// Cost sub-centre picker: hands back cdscen and nmscen.
class frmBuscaSubCentroCusto : public BuscaCentro {
    Q_OBJECT
public:
    explicit frmBuscaSubCentroCusto(QWidget* parent = nullptr);

protected:
    void abreCadastro() override;
};
