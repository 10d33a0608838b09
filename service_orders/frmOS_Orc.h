#pragma once

#include "platform/decimal.h"
#include "service_orders/order_lookups.h"
#include "shell/data_form.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ServiceLinesFrame;

// One service order while it is a quote: header, service lines, discount,
// print and approval. The list writes the order number into txtOsNo; the
// order is loaded when the focus leaves that box.
class frmOS_Orc : public DataForm {
    Q_OBJECT
public:
    explicit frmOS_Orc(QWidget* parent = nullptr);

    QLineEdit* txtOsNo;
    QLineEdit* txtDt;
    QComboBox* cboSit;
    QLineEdit* txtCdCli;
    QLineEdit* txtNmCli;
    QLineEdit* txtCNPJ;
    QLineEdit* txtIE;
    QLineEdit* txtRua;
    QLineEdit* txtNr;
    QLineEdit* txtBairro;
    QLineEdit* txtCep;
    QLineEdit* txtCidade;
    QLineEdit* txtUF;
    QLineEdit* txtNmSol;
    QLineEdit* txtFone;
    QLineEdit* txtCdVen;
    QLineEdit* txtNmVen;
    QPlainTextEdit* txtIA;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    ServiceLinesFrame* Frame1;

    // The net total of the lines rounded to cents, as the approval hands it on.
    Decimal totalOrdem() const { return totalOrdem_; }

    void txtOsNo_Change();
    void txtOsNo_LostFocus();
    void txtCdCli_Change();
    void txtCdCli_LostFocus();
    void txtCdVen_Change();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void CalculaTotais();

protected:
    bool previewKey(QKeyEvent* event) override;
    void escPressed() override;
    void enterPressed(QWidget* from) override;

private:
    orderlookups::Cabecalho cabecalho() const;
    template <typename Picker> void pesquisa(QLineEdit* codigo);
    bool aprova();

    Decimal totalOrdem_;
    // The number whose order the boxes show: leaving the number box again
    // does not reload it over the user's edits.
    QString carregado_;
};
