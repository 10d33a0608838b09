#pragma once

#include "finance/baixa_form.h"

// Settlement of receivables: a client's instalments received in part or in
// full into a receipt, paid by a list of payment lines and closed.
class frmCReceber_Baixa : public BaixaForm {
    Q_OBJECT
public:
    explicit frmCReceber_Baixa(QWidget* parent = nullptr);

    QLineEdit* txtVRpg;
    QLabel* lEMS;
    QLabel* lVCT;

    void buscaParte() override;
    void txtCdFor_Change();
    void txtCdFor_LostFocus();
    void Command2_Click();
    void Command15_Click();
    void Command14_Click();
    void Command17_Click() override;
    void Command18_Click();
    void DataGrid1_DblClick() override;
    void DataGrid2_DblClick() override;
    void TotalizaRecibo() override;
    void TotalizaMeiosPagamento() override;

protected:
    recibo::Fechamento fechamento(const QString& nrrec, const QDate& dtbx) const override;
    void limpaAposBaixa() override;
    void escPressed() override;
    bool reciboIniciado() const override;

private:
    // Lists the client's open instalments and the receipt's items.
    void listaRecibo();
};
