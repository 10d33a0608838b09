#include "registers/frmBuscaProd.h"

#include "platform/data_grid.h"
#include "registers/form_widgets.h"
#include "registers/frmCadProduto.h"
#include "registers/search_statements.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmBuscaProd::frmBuscaProd(QWidget* parent)
    : PickerForm(parent,
                 {{QStringLiteral("NOME"), QStringLiteral("dspro"), 5115},
                  {QStringLiteral("UN"), QStringLiteral("un"), 600},
                  {QStringLiteral("CÓDIGO"), QStringLiteral("cdpro"), 1515, ListFormat::Code}},
                 QStringLiteral("cdpro"), QString()) {
    setObjectName(QStringLiteral("frmBuscaProd"));
    setWindowTitle(QStringLiteral("Pesquisa Insumos"));
    setEnterMovesFocus(false);
    Command1 = button(this, "Command1", QStringLiteral("F2 PESQUISA NOME"));
    Command2 = button(this, "Command2", QStringLiteral("F5 NOVO PRODUTO"));
    Command5 = button(this, "Command5", QStringLiteral("F10 SELECIONAR"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command2, Command5})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DataGrid1, 1);
    layout->addLayout(buttons);
    resize(560, 460);
    chainTabOrder({DataGrid1, Command1, Command2, Command5});

    bindKey(Qt::Key_F2, Command1);
    bindKey(Qt::Key_F5, Command2);
    bindKey(Qt::Key_F10, Command5);
    connect(Command1, &QPushButton::clicked, this, &frmBuscaProd::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmBuscaProd::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &frmBuscaProd::Command5_Click);
    Form_Load();
    DataGrid1->setFocus();
}

void frmBuscaProd::Form_Load() {
    loadList(tableList(QStringLiteral("produtos"), QStringLiteral("dspro")));
}

void frmBuscaProd::Command1_Click() {
    searchName(QStringLiteral("produtos"), QStringLiteral("dspro"));
}

void frmBuscaProd::Command2_Click() {
    openRegister(QStringLiteral("mnu_cadpro"), [this] {
        frmCadProduto form(this);
        form.exec();
    });
}

void frmBuscaProd::Command5_Click() {
    select();
}
