#pragma once

#include "registers/busca_pessoa.h"

// Client picker: hands back cdcli and nmcli.
class frmBuscaCliente : public BuscaPessoa {
    Q_OBJECT
public:
    explicit frmBuscaCliente(QWidget* parent = nullptr);

protected:
    void abreCadastro() override;
};
