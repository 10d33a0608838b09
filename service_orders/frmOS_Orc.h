#pragma once

#include "platform/decimal.h"
#include "service_orders/order_header_form.h"

class QPushButton;
class ServiceLinesFrame;

// One service order while it is a quote: header, service lines, discount,
// print and approval.
class frmOS_Orc : public OrderHeaderForm {
    Q_OBJECT
public:
    explicit frmOS_Orc(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    ServiceLinesFrame* Frame1;

    // The net total of the lines rounded to cents, as the approval hands it on.
    Decimal totalOrdem() const { return totalOrdem_; }

    void txtOsNo_LostFocus() override;
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void CalculaTotais();

protected:
    void escPressed() override;
    void apenasConsulta(bool consulta) override;
    void limpaOrdem() override;

private:
    void aprova();

    Decimal totalOrdem_;
};
