#include "service_orders/frmOS_Servicos.h"

#include "platform/db/data_control.h"
#include "registers/form_widgets.h"
#include "service_orders/order_boxes.h"
#include "service_orders/service_lines_frame.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace formwidgets;

frmOS_Servicos::frmOS_Servicos(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmOS_Servicos"));
    setWindowTitle(QStringLiteral("Ordem de Serviço - Serviços"));
    txtOsNr = box(this, "txtOsNr", 0, 10);
    formwidgets::setDisplayOnly(txtOsNr);
    Frame1 = new ServiceLinesFrame(this, txtOsNr);

    auto* numero = new QHBoxLayout;
    addLabelled(numero, this, QStringLiteral("OS No"), txtOsNr);
    numero->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(numero);
    layout->addWidget(Frame1, 1);
    resize(900, 520);

    connect(Frame1, &ServiceLinesFrame::linhasMudaram, this, &frmOS_Servicos::CalculaTotais);
}

void frmOS_Servicos::showEvent(QShowEvent* event) {
    DataForm::showEvent(event);
    Form_Activate();
}

// The window is modal: nothing changes its lines while it is open, so they
// are read each time it is shown.
void frmOS_Servicos::Form_Activate() {
    Frame1->carregaLinhas();
    CalculaTotais();
    Frame1->txtDsSRV->setFocus();
}

void frmOS_Servicos::CalculaTotais() {
    Frame1->somaTotais();
}

void frmOS_Servicos::escPressed() {
    Frame1->Adodc1->close();
    close();
}
