#pragma once

#include "shell/data_form.h"

class QLineEdit;
class ServiceLinesFrame;

// The service lines of an order in progress, opened by the approved-order
// window after it wrote the order number into txtOsNr.
class frmOS_Servicos : public DataForm {
    Q_OBJECT
public:
    explicit frmOS_Servicos(QWidget* parent = nullptr);

    QLineEdit* txtOsNr;
    ServiceLinesFrame* Frame1;

    void Form_Activate();
    void CalculaTotais();

protected:
    void escPressed() override;
    void showEvent(QShowEvent* event) override;
};
