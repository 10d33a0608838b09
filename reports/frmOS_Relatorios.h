#pragma once

#include "reports/report_form.h"

// Report of the service orders of one status opened in a period.
class frmOS_Relatorios : public RelatorioForm {
    Q_OBJECT
public:
    explicit frmOS_Relatorios(QWidget* parent = nullptr);

    void Form_Load();

protected:
    QString filterLine() const override;
    ReportList build(db::Connection& cn, const QDate& first, const QDate& last,
                     std::optional<qint64> party) override;
};
