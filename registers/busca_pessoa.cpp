#include "registers/busca_pessoa.h"

#include "platform/data_grid.h"
#include "registers/form_widgets.h"
#include "registers/search_statements.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

BuscaPessoa::BuscaPessoa(QWidget* parent, const PickerTable& tabela, const QString& novo,
                         bool tabDaDireita)
    : PickerForm(parent,
                 {{QStringLiteral("NOME"), tabela.coluna, 3090},
                  {QStringLiteral("APELIDO"), QStringLiteral("nmfant"), 2715},
                  {QStringLiteral("CPF/CNPJ"), QStringLiteral("cpf"), 1515, ListFormat::Code},
                  {QStringLiteral("FONE CEL"), QStringLiteral("fonecel"), 1515, ListFormat::Code},
                  {QStringLiteral("FONE FIXO"), QStringLiteral("fonefixo"), 1515, ListFormat::Code},
                  {QStringLiteral("CIDADE"), QStringLiteral("cidade"), 2385},
                  {QStringLiteral("E-MAIL"), QStringLiteral("email"), 4125},
                  {QStringLiteral("CÓDIGO"), tabela.chave, 1515, ListFormat::Code}},
                 tabela.chave, tabela.coluna),
      tabela_(tabela) {
    Command1 = button(this, "Command1", QStringLiteral("F2 PESQUISA NOME"));
    Command2 = button(this, "Command2", QStringLiteral("F5 PESQUISA FONE"));
    Command3 = button(this, "Command3", QStringLiteral("F4 PESQUISA CPF/CNPJ"));
    Command4 = button(this, "Command4", QStringLiteral("F3 PESQUISA APELIDO"));
    Command5 = button(this, "Command5", QStringLiteral("F10 SELECIONAR"));
    Command6 = button(this, "Command6", novo);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command4, Command3, Command2, Command5, Command6})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DataGrid1, 1);
    layout->addLayout(buttons);
    resize(1260, 520);
    if (tabDaDireita)
        chainTabOrder({DataGrid1, Command6, Command5, Command4, Command3, Command2, Command1});
    else
        chainTabOrder({DataGrid1, Command1, Command2, Command3, Command4, Command5, Command6});

    bindKey(Qt::Key_F10, Command5);
    bindKey(Qt::Key_F2, Command1);
    bindKey(Qt::Key_F3, Command4);
    bindKey(Qt::Key_F4, Command3);
    bindKey(Qt::Key_F5, Command2);
    bindKey(Qt::Key_F12, Command6);
    connect(Command1, &QPushButton::clicked, this, &BuscaPessoa::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BuscaPessoa::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &BuscaPessoa::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &BuscaPessoa::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &BuscaPessoa::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &BuscaPessoa::Command6_Click);
    Form_Load();
    DataGrid1->setFocus();
}

void BuscaPessoa::Form_Load() {
    loadList(tableList(tabela_.nome, tabela_.coluna));
}

void BuscaPessoa::Command1_Click() {
    searchName(tabela_.nome, tabela_.coluna);
}

void BuscaPessoa::Command4_Click() {
    search(QStringLiteral("APELIDO:"), QStringLiteral("PESQUISA PELO APELIDO"),
           [this](const QString& t) {
               return containsSearch(tabela_.nome, QStringLiteral("nmfant"),
                                     QStringLiteral("nmfant"), t);
           });
}

void BuscaPessoa::Command3_Click() {
    search(QStringLiteral("CPF/CNPJ:"), QStringLiteral("PESQUISA PELO CPF/CNPJ"),
           [this](const QString& t) {
               return containsSearch(tabela_.nome, QStringLiteral("cpf"), tabela_.coluna, t);
           });
}

void BuscaPessoa::Command2_Click() {
    search(QStringLiteral("FONE:"), QStringLiteral("PESQUISA PELO FONE"),
           [this](const QString& t) { return phoneSearch(tabela_.nome, tabela_.coluna, t); });
}

void BuscaPessoa::Command5_Click() {
    select();
}

void BuscaPessoa::Command6_Click() {
    openRegister(tabela_.itemMenu, [this] { abreCadastro(); });
}
