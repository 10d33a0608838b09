#include "finance/frmBuscaSubCentroCusto.h"

#include "finance/frmCadSubCentro.h"

frmBuscaSubCentroCusto::frmBuscaSubCentroCusto(QWidget* parent)
    : BuscaCentro(parent, subCentrosDeCusto(), QStringLiteral("SubCentro de Custos - Pesquisa")) {
    setObjectName(QStringLiteral("frmBuscaSubCentroCusto"));
}

void frmBuscaSubCentroCusto::abreCadastro() {
    frmCadSubCentro form(this);
    form.exec();
}
