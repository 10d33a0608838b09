#include "registers/frmBuscaVendedor.h"

#include "platform/data_grid.h"
#include "registers/form_widgets.h"
#include "registers/frmCadVendedor.h"
#include "registers/search_statements.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmBuscaVendedor::frmBuscaVendedor(QWidget* parent)
    : PickerForm(parent,
                 {{QStringLiteral("NOME"), QStringLiteral("nmven"), 5115},
                  {QStringLiteral("CÓDIGO"), QStringLiteral("cdven"), 1515}},
                 QStringLiteral("cdven"), QStringLiteral("nmven")) {
    setObjectName(QStringLiteral("frmBuscaVendedor"));
    setWindowTitle(QStringLiteral("Pesquisa Colaboradores"));
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
    chainTabOrder({DataGrid1, Command1, Command5, Command6});

    keys.bind(Qt::Key_F10, Command5);
    keys.bind(Qt::Key_F2, Command1);
    keys.bind(Qt::Key_F12, Command6);
    connect(Command1, &QPushButton::clicked, this, &frmBuscaVendedor::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &frmBuscaVendedor::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmBuscaVendedor::Command6_Click);
    Form_Load();
    DataGrid1->setFocus();
}

void frmBuscaVendedor::Form_Load() {
    loadList(QStringLiteral("select * from vendedores order by nmven"));
}

void frmBuscaVendedor::Command1_Click() {
    search(QStringLiteral("NOME:"), QStringLiteral("PESQUISA PELO NOME"), [](const QString& t) {
        return containsSearch(QStringLiteral("vendedores"), QStringLiteral("nmven"),
                              QStringLiteral("nmven"), t);
    });
}

void frmBuscaVendedor::Command5_Click() {
    select();
}

void frmBuscaVendedor::Command6_Click() {
    openRegister(QStringLiteral("mun_cadven"), [this] {
        frmCadVendedor form(this);
        form.exec();
    });
}
