#pragma once

#include "registers/busca_por_nome.h"

// Collaborator picker: hands back cdven and nmven.
class frmBuscaVendedor : public BuscaPorNome {
    Q_OBJECT
public:
    explicit frmBuscaVendedor(QWidget* parent = nullptr);

protected:
    void abreCadastro() override;
};
