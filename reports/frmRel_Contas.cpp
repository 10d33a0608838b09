#include "reports/frmRel_Contas.h"

#include "reports/accounts_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmRel_Contas::frmRel_Contas(QWidget* parent)
    : RelatorioForm(parent, QStringLiteral("relcontas_"), QStringLiteral("Relatório de Contas"),
                    QStringLiteral("Situação"),
                    {QStringLiteral("0 - Em Aberto"), QStringLiteral("1 - Baixado")}) {
    setObjectName(QStringLiteral("frmRel_Contas"));
    setWindowTitle(QStringLiteral("Relatório de Contas a Pagar / Receber"));
    cboTP = new QComboBox(this);
    cboTP->setObjectName(QStringLiteral("cboTP"));
    cboTP->addItems({QStringLiteral("0 - C.Receber"), QStringLiteral("1 - C.Pagar")});
    auto* tipo = new QVBoxLayout;
    tipo->addWidget(new QLabel(QStringLiteral("Tipo"), this));
    tipo->addWidget(cboTP);
    filterRow()->insertLayout(0, tipo);
    setTabOrder(cboTP, cboSit);
    connect(cboTP, &QComboBox::currentIndexChanged, this, &frmRel_Contas::cboTP_Click);
    Form_Load();
    cboTP->setFocus();
}

void frmRel_Contas::Form_Load() {
    l_Tit->clear();
    cboTP->setCurrentIndex(0);
    cboTP_Click();
    cboSit->setCurrentIndex(0);
    cboSit_Click();
}

void frmRel_Contas::cboTP_Click() {
    txtCdCli->clear();
    txtNmCli->clear();
    clearList();
    Label4->setText(partyIsSupplier() ? QStringLiteral("Fornecedor - F2 = Pesquisar")
                                      : QStringLiteral("Cliente - F2 = Pesquisar"));
}

bool frmRel_Contas::partyIsSupplier() const {
    return !cboTP->currentText().startsWith(QLatin1Char('0'));
}

QString frmRel_Contas::filterLine() const {
    return QStringLiteral("Tipo: ") + cboTP->currentText() + QStringLiteral(" Situação: ") +
           cboSit->currentText() + QStringLiteral("Período: ") + txtDTi->text() + QLatin1Char(' ') +
           txtDTf->text();
}

ReportList frmRel_Contas::build(db::Connection& cn, const QDate& first, const QDate& last,
                                std::optional<qint64> party) {
    return accountsreport::build(
        cn, accountsreport::kindOf(cboTP->currentText(), cboSit->currentText()), first, last,
        party);
}
