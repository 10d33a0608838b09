#include "finance/frmBuscaCentroCusto.h"

#include "finance/frmCadCentroCusto.h"

frmBuscaCentroCusto::frmBuscaCentroCusto(QWidget* parent)
    : BuscaCentro(parent, centrosDeCusto(), QStringLiteral("Centro de Custos - Pesquisa")) {
    setObjectName(QStringLiteral("frmBuscaCentroCusto"));
}

void frmBuscaCentroCusto::abreCadastro() {
    frmCadCentroCusto form(this);
    form.exec();
}
