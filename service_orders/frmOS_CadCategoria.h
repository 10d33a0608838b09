#pragma once

#include "registers/frmCadGrupoEstoque.h"

// Register of the categories that group an order's cost lines: the
// supply-group register on the table `categorias`.
class frmOS_CadCategoria : public frmCadGrupoEstoque {
    Q_OBJECT
public:
    explicit frmOS_CadCategoria(QWidget* parent = nullptr);
};
