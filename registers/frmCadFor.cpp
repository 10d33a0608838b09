#include "registers/frmCadFor.h"

#include "platform/dialogs.h"
#include "registers/fiscal_file.h"
#include "shell/cpf_cnpj.h"
#include "shell/shared_state.h"

#include <QLineEdit>
#include <QPlainTextEdit>

frmCadFor::frmCadFor(QWidget* parent)
    : PessoaRegister(
          parent, kFornecedores,
          {{QStringLiteral("NOME"), QStringLiteral("nmfor"), 4185},
           {QStringLiteral("APELIDO"), QStringLiteral("nmfant"), 2400},
           {QStringLiteral("CPF/CNPJ"), QStringLiteral("cpf"), 1515, ListFormat::Code},
           {QStringLiteral("FONE FIXO"), QStringLiteral("fonefixo"), 1515, ListFormat::Code},
           {QStringLiteral("CELULAR"), QStringLiteral("fonecel"), 1515, ListFormat::Code},
           {QStringLiteral("MUNICIPIO"), QStringLiteral("cidade"), 2385},
           {QStringLiteral("CÓDIGO"), QStringLiteral("cdfor"), 870, ListFormat::Code}},
          QStringLiteral("Pesquisa fornecedor já cadastrado")) {
    setObjectName(QStringLiteral("frmCadFor"));
    setWindowTitle(QStringLiteral("Fornecedores"));
}

void frmCadFor::depoisDeGravar() {
    QString documento = TXTCPF->text();
    ValidaCpfCnpj(documento);
    if (!shared::gResultado.toBool())
        return;
    const auto falha = fiscal::copiaFornecedor(
        {shared::gDocFormatado, txtnome->text(), txtcontato->text(), TXTRG->text(), txtruar->text(),
         txtbairror->text(), txtcepr->text(), txtcidader->text(), txtufr->text(), txtfone->text(),
         txtnr->text(), txtemail->text(), txtmemo->toPlainText()});
    if (!falha)
        return;
    QString texto = QStringLiteral("--- ERRO --- INTEGRAÇÃO FISCAL FALHOU!");
    if (!falha->arquivoAusente)
        texto += QLatin1Char('\n') + falha->detalhe;
    dlg::inform(texto, QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
}
