#include "service_orders/supply_windows.h"

#include "service_orders/frmBuscaOS.h"
#include "service_orders/frmInsumos_Compra.h"
#include "service_orders/frmInsumos_Destino.h"
#include "service_orders/frmOS_CadCategoria.h"
#include "service_orders/frmOS_Custos.h"
#include "shell/window_registry.h"

void registerSupplyWindows() {
    windows::add(QStringLiteral("frmOS_CadCategoria"), windows::showModal<frmOS_CadCategoria>);
    windows::add(QStringLiteral("frmBuscaOS"), windows::showModal<frmBuscaOS>);
    windows::add(QStringLiteral("frmOS_Custos"), windows::showModal<frmOS_Custos>);
    windows::add(QStringLiteral("frmInsumos_Compra"), windows::showModal<frmInsumos_Compra>);
    windows::add(QStringLiteral("frmInsumos_Destino"), windows::showModal<frmInsumos_Destino>);
}
