#include "finance/frmCadSubCentro.h"

frmCadSubCentro::frmCadSubCentro(QWidget* parent)
    : CentroRegister(parent, subCentrosDeCusto(),
                     QStringLiteral("SubCentro de Custos - Cadastro")) {
    setObjectName(QStringLiteral("frmCadSubCentro"));
}
