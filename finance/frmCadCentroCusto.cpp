#include "finance/frmCadCentroCusto.h"

frmCadCentroCusto::frmCadCentroCusto(QWidget* parent)
    : CentroRegister(parent, centrosDeCusto(), QStringLiteral("Centro de Custos - Cadastro")) {
    setObjectName(QStringLiteral("frmCadCentroCusto"));
}
