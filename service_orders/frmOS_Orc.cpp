#include "service_orders/frmOS_Orc.h"

#include "pdf/os_documents.h"
#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "service_orders/order_status.h"
#include "service_orders/print_command.h"
#include "service_orders/service_lines_frame.h"
#include "shell/auto_resize.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmOS_Orc::frmOS_Orc(QWidget* parent) : OrderHeaderForm(parent, 0, 2) {
    setObjectName(QStringLiteral("frmOS_Orc"));
    setWindowTitle(QStringLiteral("Ordem de Serviço - Orçamento"));

    Command1 = button(this, "Command1", QStringLiteral("Salvar"));
    Command3 = button(this, "Command3", QStringLiteral("Imprimir"));
    Command4 = button(this, "Command4", QStringLiteral("Descontos"));
    Frame1 = new ServiceLinesFrame(this, txtOsNo);
    AutoResize::attach(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(linhaDoNumero({Command1, Command3, Command4}));
    linhasDoCabecalho(layout);
    layout->addWidget(Frame1, 1);
    resize(940, 700);

    chainTabOrder({txtOsNo, txtDt, txtCdCli, txtNmSol, txtFone, txtCdVen, txtIA, cboSit,
                   Frame1->txtDsSRV, Frame1->txtUn, Frame1->txtQt, Frame1->txtVU, Frame1->txtPD,
                   Frame1->Command2, Frame1->DataGrid1, Command1, Command3, Command4});

    connect(Command1, &QPushButton::clicked, this, &frmOS_Orc::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOS_Orc::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmOS_Orc::Command4_Click);
    connect(Frame1, &ServiceLinesFrame::linhasMudaram, this, &frmOS_Orc::CalculaTotais);
}

void frmOS_Orc::txtOsNo_LostFocus() {
    if (!carregaOrdem())
        return;
    Frame1->carregaLinhas();
    CalculaTotais();
}

void frmOS_Orc::CalculaTotais() {
    totalOrdem_ = Decimal();
    if (const auto totais = Frame1->somaTotais())
        totalOrdem_ = totais->total;
}

void frmOS_Orc::Command1_Click() {
    if (!cabecalhoCompleto())
        return;
    if (orderstatus::digito(cboSit) == QLatin1String("2"))
        aprova();
    else
        gravaCabecalho();
}

// The receivables plan of the order stores the approval with it: both or
// neither.
void frmOS_Orc::aprova() {
    shared::gRetorno = QStringLiteral("N");
    CalculaTotais();
    mostraPlano(totalOrdem_, QDate::currentDate(), true);
    if (!program::ending() && shared::gRetorno != QLatin1String("N"))
        shared::gRetorno.clear();
}

void frmOS_Orc::Command3_Click() {
    imprimeOS(this, ImprimeOSSimplificada, txtOsNo->text());
}

void frmOS_Orc::Command4_Click() {
    for (;;) {
        const auto resposta =
            dlg::dialogs().input({QStringLiteral("Percentual:"), QStringLiteral("Desconto"), {}});
        if (!resposta)
            return;
        const auto pd = Decimal::parse(*resposta, false);
        if (!pd || pd->isNegative())
            continue;
        Frame1->aplicaDesconto(*pd);
        return;
    }
}

// Printing stays: the document is made from what is stored.
void frmOS_Orc::apenasConsulta(bool consulta) {
    Command1->setEnabled(!consulta);
    Command4->setEnabled(!consulta);
    Frame1->apenasConsulta(consulta);
}

void frmOS_Orc::limpaOrdem() {
    Frame1->limpa();
}

void frmOS_Orc::escPressed() {
    Frame1->Adodc1->close();
    close();
}
