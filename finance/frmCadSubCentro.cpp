#include "finance/frmCadSubCentro.h"

#include "finance/centro_tabela.h"
#include "finance/frmCadCentroCusto.h"

frmCadSubCentro::frmCadSubCentro(QWidget* parent)
    : CodeNameRegister(parent,
                       centroRegisterTable(subCentrosDeCusto(), QStringLiteral("frmCadSubCentro"),
                                           QStringLiteral("SubCentro de Custos - Cadastro"))) {}
