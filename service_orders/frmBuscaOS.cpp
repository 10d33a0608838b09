#include "service_orders/frmBuscaOS.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/list_binding.h"
#include "service_orders/order_list.h"
#include "shell/shared_state.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmBuscaOS::frmBuscaOS(QWidget* parent)
    : PickerForm(parent,
                 {{QStringLiteral("ORDEM No"), QStringLiteral("osnr"), 1425, ListFormat::Code},
                  {QStringLiteral("STATUS"), QStringLiteral("ossit"), 930, ListFormat::Code},
                  {QStringLiteral("DATA"), QStringLiteral("dtos"), 1515, ListFormat::Date},
                  {QStringLiteral("CLIENTE"), QStringLiteral("nmcli"), 5655},
                  {QStringLiteral("SOLICITANTE"), QStringLiteral("nmsol"), 3255}},
                 QStringLiteral("osnr"), QString()) {
    setObjectName(QStringLiteral("frmBuscaOS"));
    setWindowTitle(QStringLiteral("Ordem de Serviço - Pesquisa"));
    Command1 = button(this, "Command1", QStringLiteral("F2 PESQUISA NOME"));
    Command4 = button(this, "Command4", QStringLiteral("F3 PESQUISA SOLICITANTE"));
    Command5 = button(this, "Command5", QStringLiteral("F10 SELECIONAR"));
    Command5->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command4, Command5})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DataGrid1, 1);
    layout->addLayout(buttons);
    resize(900, 460);
    chainTabOrder({DataGrid1, Command1, Command4, Command5});

    bindKey(Qt::Key_F2, Command1);
    bindKey(Qt::Key_F3, Command4);
    bindKey(Qt::Key_F10, Command5);
    connect(Command1, &QPushButton::clicked, this, &frmBuscaOS::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &frmBuscaOS::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmBuscaOS::Command5_Click);
    DataGrid1->setFocus();
}

void frmBuscaOS::pesquisa(const QString& prompt, const QString& title,
                          const std::function<Statement(const QString&)>& source) {
    if (search(prompt, title, source))
        Command5->setEnabled(true);
}

void frmBuscaOS::Command1_Click() {
    pesquisa(QStringLiteral("NOME:"), QStringLiteral("PESQUISA PELO NOME"), orderlist::porCliente);
}

void frmBuscaOS::Command4_Click() {
    pesquisa(QStringLiteral("SOLICITANTE:"), QStringLiteral("PESQUISA PELO SOLICITANTE"),
             orderlist::porSolicitante);
}

void frmBuscaOS::Command5_Click() {
    select();
}

void frmBuscaOS::escPressed() {
    shared::gCodigoPesquisa.clear();
    FechaPesquisa();
    close();
}
