#include "registers/frmBuscaGrupo.h"

#include "platform/data_grid.h"
#include "registers/form_widgets.h"
#include "registers/frmCadGrupoEstoque.h"
#include "registers/search_statements.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmBuscaGrupo::frmBuscaGrupo(QWidget* parent)
    : PickerForm(parent,
                 {{QStringLiteral("NOME"), QStringLiteral("dsgrupo"), 5115},
                  {QStringLiteral("CÓDIGO"), QStringLiteral("cdgrupo"), 1515}},
                 QStringLiteral("cdgrupo"), QStringLiteral("dsgrupo")) {
    setObjectName(QStringLiteral("frmBuscaGrupo"));
    setWindowTitle(QStringLiteral("Pesquisa Grupo de Insumo"));
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
    chainTabOrder({DataGrid1, Command6, Command5, Command1});

    keys.bind(Qt::Key_F10, Command5);
    keys.bind(Qt::Key_F2, Command1);
    keys.bind(Qt::Key_F12, Command6);
    connect(Command1, &QPushButton::clicked, this, &frmBuscaGrupo::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &frmBuscaGrupo::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmBuscaGrupo::Command6_Click);
    Form_Load();
    DataGrid1->setFocus();
}

void frmBuscaGrupo::Form_Load() {
    loadList(QStringLiteral("select * from grupoestoque order by dsgrupo"));
}

void frmBuscaGrupo::Command1_Click() {
    search(QStringLiteral("NOME:"), QStringLiteral("PESQUISA PELO NOME"), [](const QString& t) {
        return containsSearch(QStringLiteral("grupoestoque"), QStringLiteral("dsgrupo"),
                              QStringLiteral("dsgrupo"), t);
    });
}

void frmBuscaGrupo::Command5_Click() {
    select();
}

void frmBuscaGrupo::Command6_Click() {
    openRegister(QStringLiteral("mnu_cadgru"), [this] {
        frmCadGrupoEstoque form(this);
        form.exec();
    });
}
