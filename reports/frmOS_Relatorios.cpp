#include "reports/frmOS_Relatorios.h"

#include "reports/os_report.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

frmOS_Relatorios::frmOS_Relatorios(QWidget* parent)
    : RelatorioForm(parent, QStringLiteral("relos_"),
                    QStringLiteral("Relatório de Ordens de Serviço"), QStringLiteral("Status"),
                    {QStringLiteral("0 - Em Orçamento"), QStringLiteral("1 - Em Negociação"),
                     QStringLiteral("2 - Aprovada"), QStringLiteral("3 - Em Andamento"),
                     QStringLiteral("4 - Concluída")}) {
    setObjectName(QStringLiteral("frmOS_Relatorios"));
    setWindowTitle(QStringLiteral("Ordem de Serviços - Relatório"));
    Form_Load();
    cboSit->setFocus();
}

void frmOS_Relatorios::Form_Load() {
    l_Tit->clear();
    cboSit->setCurrentIndex(0);
    cboSit_Click();
}

QString frmOS_Relatorios::filterLine() const {
    return QStringLiteral("Status: ") + cboSit->currentText() + QStringLiteral("Período: ") +
           txtDTi->text() + QLatin1Char(' ') + txtDTf->text();
}

ReportList frmOS_Relatorios::build(db::Connection& cn, const QDate& first, const QDate& last,
                                   std::optional<qint64> party) {
    return osreport::build(cn, cboSit->currentText().at(0), first, last, party,
                           QDate::currentDate());
}
