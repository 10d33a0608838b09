#include "registers/frmBuscaFornecedor.h"

#include "registers/frmCadFor.h"

frmBuscaFornecedor::frmBuscaFornecedor(QWidget* parent)
    : BuscaPessoa(parent,
                  {QStringLiteral("fornecedores"), QStringLiteral("cdfor"), QStringLiteral("nmfor"),
                   QStringLiteral("mnu_cadfor")},
                  QStringLiteral("F12 NOVO"), true) {
    setObjectName(QStringLiteral("frmBuscaFornecedor"));
    setWindowTitle(QStringLiteral("Pesquisa de Fornecedores"));
}

void frmBuscaFornecedor::abreCadastro() {
    frmCadFor form(this);
    form.exec();
}
