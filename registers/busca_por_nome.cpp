#include "registers/busca_por_nome.h"

#include "platform/data_grid.h"
#include "registers/form_widgets.h"
#include "registers/search_statements.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

BuscaPorNome::BuscaPorNome(QWidget* parent, const PickerTable& tabela, bool tabDoNovo)
    : PickerForm(parent,
                 {{QStringLiteral("NOME"), tabela.coluna, 5115},
                  {QStringLiteral("CÓDIGO"), tabela.chave, 1515, ListFormat::Code}},
                 tabela.chave, tabela.coluna),
      tabela_(tabela) {
    Command1 = button(this, "Command1", QStringLiteral("F2 PESQUISA NOME"));
    Command5 = button(this, "Command5", QStringLiteral("F10 SELECIONAR"));
    Command6 = button(this, "Command6", QStringLiteral("F12 NOVO"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command5, Command6})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DataGrid1, 1);
    layout->addLayout(buttons);
    resize(480, 420);
    if (tabDoNovo)
        chainTabOrder({DataGrid1, Command6, Command5, Command1});
    else
        chainTabOrder({DataGrid1, Command1, Command5, Command6});

    bindKey(Qt::Key_F10, Command5);
    bindKey(Qt::Key_F2, Command1);
    bindKey(Qt::Key_F12, Command6);
    connect(Command1, &QPushButton::clicked, this, &BuscaPorNome::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &BuscaPorNome::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &BuscaPorNome::Command6_Click);
    Form_Load();
    DataGrid1->setFocus();
}

void BuscaPorNome::Form_Load() {
    loadList(tableList(tabela_.nome, tabela_.coluna));
}

void BuscaPorNome::Command1_Click() {
    searchName(tabela_.nome, tabela_.coluna);
}

void BuscaPorNome::Command5_Click() {
    select();
}

void BuscaPorNome::Command6_Click() {
    openRegister(tabela_.itemMenu, [this] { abreCadastro(); });
}
