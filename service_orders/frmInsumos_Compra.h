#pragma once

#include "platform/decimal.h"
#include "service_orders/compra_rules.h"
#include "service_orders/supply_form.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
namespace db {
class DataControl;
}

// Entry of a supplies purchase by invoice: the supplier and the invoice, its
// items, the freight spread over them, and the closing, which first hands the
// items out to service orders.
class frmInsumos_Compra : public SupplyForm {
    Q_OBJECT
public:
    explicit frmInsumos_Compra(QWidget* parent = nullptr);

    QLineEdit* txtCdFor;
    QLineEdit* txtNmFor;
    QLineEdit* txtSerie;
    QLineEdit* txtNFiscal;
    QLineEdit* txtModelo;
    QLineEdit* txtDTe;
    QLineEdit* txtDTc;
    QLineEdit* txtCdPro;
    QLineEdit* txtDsPro;
    QLineEdit* txtUN;
    QLineEdit* txtVR;
    QLineEdit* txtQtde;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command1;
    QPushButton* Command5;
    QPushButton* Command8;
    QPushButton* Command4;
    QPushButton* Command7;
    db::DataControl* Adodc1;
    DataGrid* DataGrid1;
    QLabel* lST;

    void Form_Load();
    void Form_Activate() override;
    // False when the purchase turned out closed and the window closed.
    bool AtualizaCompra();
    void Command2_Click();
    void txtCdFor_Change();
    void txtCdFor_LostFocus();
    void txtModelo_LostFocus();
    void Command3_Click();
    void txtCdPro_Change();
    void txtCdPro_LostFocus();
    void Command1_Click();
    void Command5_Click();
    void DataGrid1_DblClick();
    void Command8_Click();
    void Command4_Click();

protected:
    void escPressed() override;

private:
    void buildLayout();
    // Lists the purchase and reads its totals; false when it is closed.
    bool mostraCompra(const ChaveCompra& chave);
    // Another station closed the purchase after it was listed: nothing was
    // written, and the window closes as for any closed purchase.
    void encerradaPorOutro();

    ChaveCompra listada_;
    QString freteSugerido_;
};
