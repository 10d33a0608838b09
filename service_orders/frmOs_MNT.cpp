#include "service_orders/frmOs_MNT.h"

#include "pdf/os_documents.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "service_orders/frmOS_Custos.h"
#include "service_orders/frmOS_Servicos.h"
#include "service_orders/order_header.h"
#include "service_orders/order_status.h"
#include "service_orders/order_windows.h"
#include "service_orders/print_command.h"
#include "shell/program_end.h"
#include "shell/shared_work.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {

// A button that only shows an amount: nothing to press, no stop for the
// focus.
QPushButton* mostrador(QWidget* parent, const char* name) {
    QPushButton* display = button(parent, name, QString());
    display->setFocusPolicy(Qt::NoFocus);
    display->setMinimumWidth(
        display->fontMetrics().horizontalAdvance(QStringLiteral("Insumos: R$ 000.000,00")));
    return display;
}

} // namespace

frmOs_MNT::frmOs_MNT(QWidget* parent) : OrderHeaderForm(parent, 2, 4) {
    setObjectName(QStringLiteral("frmOs_MNT"));
    setWindowTitle(QStringLiteral("Ordem de Serviço - Aprovada"));

    Command1 = button(this, "Command1", QStringLiteral("Salvar"));
    Command3 = button(this, "Command3", QStringLiteral("Imprimir"));
    Command2 = button(this, "Command2", QStringLiteral("F4 Serviços"));
    Command5 = button(this, "Command5", QStringLiteral("F5 Custos"));
    Command6 = button(this, "Command6", QStringLiteral("F6 Financeiro"));
    cmdSRV = mostrador(this, "cmdSRV");
    cmdCusto = mostrador(this, "cmdCusto");
    cmdCI = mostrador(this, "cmdCI");
    cmdCM = mostrador(this, "cmdCM");
    cmdFinan = mostrador(this, "cmdFinan");
    cmdDif = mostrador(this, "cmdDif");

    // One row each for the services, the costs and the receivables, its
    // command at the left.
    auto* resumo = new QGridLayout;
    resumo->addWidget(Command2, 0, 0);
    resumo->addWidget(cmdSRV, 0, 1);
    resumo->addWidget(Command5, 1, 0);
    resumo->addWidget(cmdCusto, 1, 1);
    resumo->addWidget(cmdCI, 1, 2);
    resumo->addWidget(cmdCM, 1, 3);
    resumo->addWidget(Command6, 2, 0);
    resumo->addWidget(cmdFinan, 2, 1);
    resumo->addWidget(cmdDif, 2, 2);
    resumo->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(linhaDoNumero({Command1, Command3}));
    linhasDoCabecalho(layout);
    layout->addLayout(resumo);
    layout->addStretch();
    resize(940, sizeHint().height());

    chainTabOrder({txtOsNo, txtDt, txtCdCli, txtNmSol, txtFone, txtCdVen, txtIA, cboSit, Command1,
                   Command3, Command2, Command5, Command6});

    connect(Command1, &QPushButton::clicked, this, &frmOs_MNT::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOs_MNT::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOs_MNT::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &frmOs_MNT::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmOs_MNT::Command6_Click);

    mostraResumo(ordersummary::legendasIniciais());
}

void frmOs_MNT::txtOsNo_LostFocus() {
    if (carregaOrdem())
        CalculaResumo();
}

void frmOs_MNT::mostraResumo(const ordersummary::Legendas& legendas) {
    cmdSRV->setText(legendas.servicos);
    cmdCusto->setText(legendas.custos);
    cmdCI->setText(legendas.insumos);
    cmdCM->setText(legendas.maoDeObra);
    cmdFinan->setText(legendas.emAberto);
    cmdDif->setText(legendas.diferenca);
}

bool frmOs_MNT::CalculaResumo() {
    const auto osnr = orderheader::parteInteira(txtOsNo->text());
    if (!osnr)
        return false;
    ordersummary::Resumo lido;
    if (!shared::withConnection(this,
                                [&](db::Connection& cn) { lido = ordersummary::le(cn, *osnr); }))
        return false;
    resumo_ = lido;
    mostraResumo(ordersummary::legendas(resumo_));
    return true;
}

void frmOs_MNT::Command1_Click() {
    if (!cabecalhoCompleto())
        return;
    const bool conclui = orderstatus::concluida(orderstatus::digito(cboSit));
    if (conclui) {
        if (!CalculaResumo())
            return;
        if (!resumo_.planoFecha()) {
            dlg::show(ordersummary::divergencia());
            return;
        }
    }
    // The save checks again under lock: another station may have changed the
    // services or the plan since; the summary then shows them as they are.
    if (!gravaCabecalho() && conclui)
        CalculaResumo();
}

void frmOs_MNT::Command3_Click() {
    for (;;) {
        const auto resposta =
            dlg::dialogs().input({QStringLiteral("0 - Simplificada\n1 - Detalhada"),
                                  QStringLiteral("Impressão"), QStringLiteral("0")});
        if (!resposta)
            return;
        if (*resposta == QLatin1String("0")) {
            imprimeOS(this, ImprimeOSSimplificada, txtOsNo->text());
            return;
        }
        if (*resposta == QLatin1String("1")) {
            imprimeOS(this, ImprimeOSDetalhada, txtOsNo->text());
            return;
        }
    }
}

void frmOs_MNT::Command2_Click() {
    orderwindows::showWithNumber<frmOS_Servicos>(&frmOS_Servicos::txtOsNr, txtOsNo->text(), this);
    if (!program::ending())
        CalculaResumo();
}

void frmOs_MNT::Command5_Click() {
    orderwindows::showWithNumber<frmOS_Custos>(&frmOS_Custos::txtOsNr, txtOsNo->text(), this);
    if (!program::ending())
        CalculaResumo();
}

// The plan is built from the services total as it stands now; without it
// the plan is not opened.
void frmOs_MNT::Command6_Click() {
    if (!CalculaResumo())
        return;
    mostraPlano(resumo_.servicos);
    if (!program::ending())
        CalculaResumo();
}

// Printing stays: the document is made from what is stored.
void frmOs_MNT::apenasConsulta(bool consulta) {
    for (QPushButton* altera : {Command1, Command2, Command5, Command6})
        altera->setEnabled(!consulta);
}

void frmOs_MNT::limpaOrdem() {
    OrderHeaderForm::limpaOrdem();
    resumo_ = {};
    mostraResumo(ordersummary::legendasIniciais());
}

bool frmOs_MNT::previewKey(QKeyEvent* event) {
    QPushButton* botao = nullptr;
    switch (event->key()) {
    case Qt::Key_F4:
        botao = Command2;
        break;
    case Qt::Key_F5:
        botao = Command5;
        break;
    case Qt::Key_F6:
        botao = Command6;
        break;
    default:
        return OrderHeaderForm::previewKey(event);
    }
    // The order is loaded before its windows open, as a click loads it.
    txtOsNo_LostFocus();
    botao->click();
    return true;
}
