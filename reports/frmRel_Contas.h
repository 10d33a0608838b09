#pragma once

#include "reports/report_form.h"

// Report of receivables or payables, open or settled, of a period.
class frmRel_Contas : public RelatorioForm {
    Q_OBJECT
public:
    explicit frmRel_Contas(QWidget* parent = nullptr);

    QComboBox* cboTP;

    void Form_Load();
    void cboTP_Click();

protected:
    bool partyIsSupplier() const override;
    QString filterLine() const override;
    ReportList build(db::Connection& cn, const QDate& first, const QDate& last,
                     std::optional<qint64> party) override;
};
