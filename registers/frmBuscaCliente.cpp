#include "registers/frmBuscaCliente.h"

#include "registers/frmcadcli.h"

frmBuscaCliente::frmBuscaCliente(QWidget* parent)
    : BuscaPessoa(parent,
                  {QStringLiteral("cliente"), QStringLiteral("cdcli"), QStringLiteral("nmcli"),
                   QStringLiteral("mnu_cadcli")},
                  QStringLiteral("F12 NOVO CLIENTE"), false) {
    setObjectName(QStringLiteral("frmBuscaCliente"));
    setWindowTitle(QStringLiteral("Pesquisa Clientes"));
}

void frmBuscaCliente::abreCadastro() {
    frmcadcli form(this);
    form.exec();
}
