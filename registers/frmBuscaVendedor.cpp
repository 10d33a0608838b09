#include "registers/frmBuscaVendedor.h"

#include "registers/frmCadVendedor.h"

frmBuscaVendedor::frmBuscaVendedor(QWidget* parent)
    : BuscaPorNome(parent,
                   {QStringLiteral("vendedores"), QStringLiteral("cdven"), QStringLiteral("nmven"),
                    QStringLiteral("mun_cadven")},
                   false) {
    setObjectName(QStringLiteral("frmBuscaVendedor"));
    setWindowTitle(QStringLiteral("Pesquisa Colaboradores"));
}

void frmBuscaVendedor::abreCadastro() {
    frmCadVendedor form(this);
    form.exec();
}
