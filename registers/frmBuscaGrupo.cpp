#include "registers/frmBuscaGrupo.h"

#include "registers/frmCadGrupoEstoque.h"

frmBuscaGrupo::frmBuscaGrupo(QWidget* parent)
    : BuscaPorNome(parent,
                   {QStringLiteral("grupoestoque"), QStringLiteral("cdgrupo"),
                    QStringLiteral("dsgrupo"), QStringLiteral("mnu_cadgru")},
                   true) {
    setObjectName(QStringLiteral("frmBuscaGrupo"));
    setWindowTitle(QStringLiteral("Pesquisa Grupo de Insumo"));
}

void frmBuscaGrupo::abreCadastro() {
    frmCadGrupoEstoque form(this);
    form.exec();
}
