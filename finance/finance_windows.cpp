#include "finance/finance_windows.h"

#include "finance/frmBuscaCentroCusto.h"
#include "finance/frmBuscaSubCentroCusto.h"
#include "finance/frmCPagar_Baixa.h"
#include "finance/frmCPagar_BaixaPendente.h"
#include "finance/frmCReceber_Baixa.h"
#include "finance/frmCadCentroCusto.h"
#include "finance/frmCadSubCentro.h"
#include "finance/frmlancontas.h"
#include "shell/window_registry.h"

void registerFinanceWindows() {
    windows::add(QStringLiteral("frmCadCentroCusto"), windows::showModal<frmCadCentroCusto>);
    windows::add(QStringLiteral("frmCadSubCentro"), windows::showModal<frmCadSubCentro>);
    windows::add(QStringLiteral("frmBuscaCentroCusto"), windows::showModal<frmBuscaCentroCusto>);
    windows::add(QStringLiteral("frmBuscaSubCentroCusto"),
                 windows::showModal<frmBuscaSubCentroCusto>);
    windows::add(QStringLiteral("frmlancontas"), windows::showModal<frmlancontas>);
    windows::add(QStringLiteral("frmCPagar_Baixa"), windows::showModal<frmCPagar_Baixa>);
    windows::add(QStringLiteral("frmCPagar_BaixaPendente"),
                 windows::showModal<frmCPagar_BaixaPendente>);
    windows::add(QStringLiteral("frmCReceber_Baixa"), windows::showModal<frmCReceber_Baixa>);
}
