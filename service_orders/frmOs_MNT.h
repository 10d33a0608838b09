#pragma once

#include "service_orders/order_header_form.h"
#include "service_orders/order_summary.h"

class QPushButton;

// One service order after its approval: its header, a summary of its money
// (services, costs by type, receivables still open, the difference between
// the services and the receivables plan), its services, costs and plan, the
// print of its documents, and its completion once the plan adds up to the
// services.
class frmOs_MNT : public OrderHeaderForm {
    Q_OBJECT
public:
    explicit frmOs_MNT(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command2;
    QPushButton* Command5;
    QPushButton* Command6;
    // Displays: their captions are the summary.
    QPushButton* cmdSRV;
    QPushButton* cmdCusto;
    QPushButton* cmdCI;
    QPushButton* cmdCM;
    QPushButton* cmdFinan;
    QPushButton* cmdDif;

    // The amounts of the last summary.
    const ordersummary::Resumo& resumo() const { return resumo_; }

    void txtOsNo_LostFocus() override;
    // False (the user told) when the sums could not be read.
    bool CalculaResumo();
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();

protected:
    bool previewKey(QKeyEvent* event) override;
    void apenasConsulta(bool consulta) override;
    void limpaOrdem() override;

private:
    void mostraResumo(const ordersummary::Legendas& legendas);

    ordersummary::Resumo resumo_;
};
