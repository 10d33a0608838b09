#include "registers/register_windows.h"

#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaFornecedor.h"
#include "registers/frmBuscaGrupo.h"
#include "registers/frmBuscaProd.h"
#include "registers/frmBuscaVendedor.h"
#include "registers/frmCadFor.h"
#include "registers/frmCadGrupoEstoque.h"
#include "registers/frmCadProduto.h"
#include "registers/frmCadVendedor.h"
#include "registers/frmcadcli.h"
#include "shell/window_registry.h"

void registerRegisterWindows() {
    windows::add(QStringLiteral("frmcadcli"), windows::showModal<frmcadcli>);
    windows::add(QStringLiteral("frmCadFor"), windows::showModal<frmCadFor>);
    windows::add(QStringLiteral("frmCadVendedor"), windows::showModal<frmCadVendedor>);
    windows::add(QStringLiteral("frmCadGrupoEstoque"), windows::showModal<frmCadGrupoEstoque>);
    windows::add(QStringLiteral("frmCadProduto"), windows::showModal<frmCadProduto>);
    windows::add(QStringLiteral("frmBuscaCliente"), windows::showModal<frmBuscaCliente>);
    windows::add(QStringLiteral("frmBuscaFornecedor"), windows::showModal<frmBuscaFornecedor>);
    windows::add(QStringLiteral("frmBuscaGrupo"), windows::showModal<frmBuscaGrupo>);
    windows::add(QStringLiteral("frmBuscaVendedor"), windows::showModal<frmBuscaVendedor>);
    windows::add(QStringLiteral("frmBuscaProd"), windows::showModal<frmBuscaProd>);
}
