#include "registers/frmCadGrupoEstoque.h"

frmCadGrupoEstoque::frmCadGrupoEstoque(QWidget* parent)
    : frmCadGrupoEstoque(parent, QStringLiteral("frmCadGrupoEstoque"),
                         QStringLiteral("Cadastro Grupo de Insumo"), QStringLiteral("grupoestoque"),
                         false) {}

frmCadGrupoEstoque::frmCadGrupoEstoque(QWidget* parent, const QString& formName,
                                       const QString& title, const QString& table,
                                       bool limpaBeforeExcluir)
    : CodeNameRegister(
          parent, {formName,
                   title,
                   table,
                   QStringLiteral("cdgrupo"),
                   QStringLiteral("dsgrupo"),
                   {{QStringLiteral("NOME"), QStringLiteral("dsgrupo"), 4185},
                    {QStringLiteral("CÓDIGO"), QStringLiteral("cdgrupo"), 870, ListFormat::Code}},
                   6,
                   20,
                   8,
                   24,
                   false,
                   limpaBeforeExcluir}) {}
