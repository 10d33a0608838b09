#pragma once

#include "finance/baixa_form.h"

// Settlement of payables: instalments of suppliers taken into a receipt
// with their interest and discount, paid by a list of payment lines and
// settled together.
class frmCPagar_Baixa : public BaixaForm {
    Q_OBJECT
public:
    explicit frmCPagar_Baixa(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command11;
    QLineEdit* txtIdLan;

    void Command1_Click();
    void buscaParte() override;
    void txtCdFor_Change();
    void txtCdFor_LostFocus();
    void Command2_Click();
    void Command11_Click();
    void Command15_Click();
    void Command14_Click();
    void Command18_Click();
    void DataGrid1_DblClick() override;
    void DataGrid2_DblClick() override;
    void TotalizaRecibo() override;
    void TotalizaMeiosPagamento() override;

protected:
    recibo::Fechamento fechamento(const QString& nrrec, const QDate& dtbx) const override;
    void limpaAposBaixa() override;

private:
    // A receipt started or resumed under this number.
    void abreRecibo(const QString& nrrec);
};
