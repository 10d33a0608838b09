#pragma once

#include "registers/busca_pessoa.h"

// Supplier picker: hands back cdfor and nmfor.
class frmBuscaFornecedor : public BuscaPessoa {
    Q_OBJECT
public:
    explicit frmBuscaFornecedor(QWidget* parent = nullptr);

protected:
    void abreCadastro() override;
};
