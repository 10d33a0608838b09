#pragma once

#include "registers/busca_por_nome.h"

// Supply-group picker: hands back cdgrupo and dsgrupo.
class frmBuscaGrupo : public BuscaPorNome {
    Q_OBJECT
public:
    explicit frmBuscaGrupo(QWidget* parent = nullptr);

protected:
    void abreCadastro() override;
};
