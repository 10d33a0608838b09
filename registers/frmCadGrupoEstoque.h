#pragma once

#include "registers/code_name_register.h"

// Supply-group register.
class frmCadGrupoEstoque : public CodeNameRegister {
    Q_OBJECT
public:
    explicit frmCadGrupoEstoque(QWidget* parent = nullptr);

protected:
    // The same register over another table of codes (cdgrupo) and names
    // (dsgrupo).
    frmCadGrupoEstoque(QWidget* parent, const QString& formName, const QString& title,
                       const QString& table, bool limpaBeforeExcluir);
};
