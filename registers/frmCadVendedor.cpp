#include "registers/frmCadVendedor.h"

frmCadVendedor::frmCadVendedor(QWidget* parent)
    : PessoaRegister(
          parent, kVendedores,
          {{QStringLiteral("NOME"), QStringLiteral("nmven"), 4185},
           {QStringLiteral("CPF/CNPJ"), QStringLiteral("cpf"), 1515, ListFormat::Code},
           {QStringLiteral("FONE FIXO"), QStringLiteral("fonefixo"), 1515, ListFormat::Code},
           {QStringLiteral("CELULAR"), QStringLiteral("fonecel"), 1515, ListFormat::Code},
           {QStringLiteral("MUNICIPIO"), QStringLiteral("cidade"), 2385},
           {QStringLiteral("CÓDIGO"), QStringLiteral("cdven"), 870, ListFormat::Code}},
          QStringLiteral("Pesquisa vendedor já cadastrado")) {
    setObjectName(QStringLiteral("frmCadVendedor"));
    setWindowTitle(QStringLiteral("Cadastro de Colaboradores"));
}
