#include "registers/frmBuscaCliente.h"

#include "platform/data_grid.h"
#include "registers/form_widgets.h"
#include "registers/frmcadcli.h"
#include "registers/search_statements.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {
const QString kTable = QStringLiteral("cliente");
} // namespace

frmBuscaCliente::frmBuscaCliente(QWidget* parent)
    : PickerForm(parent,
                 {{QStringLiteral("NOME"), QStringLiteral("nmcli"), 3090},
                  {QStringLiteral("APELIDO"), QStringLiteral("nmfant"), 2715},
                  {QStringLiteral("CPF/CNPJ"), QStringLiteral("cpf"), 1515},
                  {QStringLiteral("FONE CEL"), QStringLiteral("fonecel"), 1515},
                  {QStringLiteral("FONE FIXO"), QStringLiteral("fonefixo"), 1515},
                  {QStringLiteral("CIDADE"), QStringLiteral("cidade"), 2385},
                  {QStringLiteral("E-MAIL"), QStringLiteral("email"), 4125},
                  {QStringLiteral("CÓDIGO"), QStringLiteral("cdcli"), 1515}},
                 QStringLiteral("cdcli"), QStringLiteral("nmcli")) {
    setObjectName(QStringLiteral("frmBuscaCliente"));
    setWindowTitle(QStringLiteral("Pesquisa Clientes"));
    Command1 = button(this, "Command1", QStringLiteral("F2 PESQUISA NOME"));
    Command2 = button(this, "Command2", QStringLiteral("F5 PESQUISA FONE"));
    Command3 = button(this, "Command3", QStringLiteral("F4 PESQUISA CPF/CNPJ"));
    Command4 = button(this, "Command4", QStringLiteral("F3 PESQUISA APELIDO"));
    Command5 = button(this, "Command5", QStringLiteral("F10 SELECIONAR"));
    Command6 = button(this, "Command6", QStringLiteral("F12 NOVO CLIENTE"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command4, Command3, Command2, Command5, Command6})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DataGrid1, 1);
    layout->addLayout(buttons);
    resize(1260, 520);
    chainTabOrder({DataGrid1, Command1, Command2, Command3, Command4, Command5, Command6});

    keys.bind(Qt::Key_F10, Command5);
    keys.bind(Qt::Key_F2, Command1);
    keys.bind(Qt::Key_F3, Command4);
    keys.bind(Qt::Key_F4, Command3);
    keys.bind(Qt::Key_F5, Command2);
    keys.bind(Qt::Key_F12, Command6);
    connect(Command1, &QPushButton::clicked, this, &frmBuscaCliente::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmBuscaCliente::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmBuscaCliente::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmBuscaCliente::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmBuscaCliente::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmBuscaCliente::Command6_Click);
    Form_Load();
    DataGrid1->setFocus();
}

void frmBuscaCliente::Form_Load() {
    loadList(QStringLiteral("select * from cliente order by nmcli"));
}

void frmBuscaCliente::Command1_Click() {
    search(QStringLiteral("NOME:"), QStringLiteral("PESQUISA PELO NOME"), [](const QString& t) {
        return containsSearch(kTable, QStringLiteral("nmcli"), QStringLiteral("nmcli"), t);
    });
}

void frmBuscaCliente::Command4_Click() {
    search(QStringLiteral("APELIDO:"), QStringLiteral("PESQUISA PELO APELIDO"),
           [](const QString& t) {
               return containsSearch(kTable, QStringLiteral("nmfant"), QStringLiteral("nmfant"), t);
           });
}

void frmBuscaCliente::Command3_Click() {
    search(QStringLiteral("CPF/CNPJ:"), QStringLiteral("PESQUISA PELO CPF/CNPJ"),
           [](const QString& t) {
               return containsSearch(kTable, QStringLiteral("cpf"), QStringLiteral("nmcli"), t);
           });
}

void frmBuscaCliente::Command2_Click() {
    search(QStringLiteral("FONE:"), QStringLiteral("PESQUISA PELO FONE"),
           [](const QString& t) { return phoneSearch(kTable, QStringLiteral("nmcli"), t); });
}

void frmBuscaCliente::Command5_Click() {
    select();
}

void frmBuscaCliente::Command6_Click() {
    openRegister(QStringLiteral("mnu_cadcli"), [this] {
        frmcadcli form(this);
        form.exec();
    });
}
