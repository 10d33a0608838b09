#include "finance/frmCadCentroCusto.h"

#include "finance/centro_tabela.h"

CodeNameTable centroRegisterTable(const CentroTabela& tabela, const QString& formName,
                                  const QString& caption) {
    return {formName,
            caption,
            tabela.nome,
            tabela.chave,
            tabela.coluna,
            {{QStringLiteral("CÓDIGO"), tabela.chave, 870, ListFormat::Code},
             {QStringLiteral("NOME"), tabela.coluna, 4680}},
            9,
            45,
            8,
            36,
            true,
            true,
            QSize(440, 420)};
}

frmCadCentroCusto::frmCadCentroCusto(QWidget* parent)
    : CodeNameRegister(parent,
                       centroRegisterTable(centrosDeCusto(), QStringLiteral("frmCadCentroCusto"),
                                           QStringLiteral("Centro de Custos - Cadastro"))) {}
