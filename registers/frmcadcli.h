#pragma once

#include "registers/register_form.h"

#include <QDate>
#include <optional>

class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Client register.
class frmcadcli : public RegisterForm {
    Q_OBJECT
public:
    explicit frmcadcli(QWidget* parent = nullptr);

    QFrame* Frame1;
    QLineEdit* txtcodcli;
    QLineEdit* txtdtcad;
    QLineEdit* TXTCPF;
    QLineEdit* TXTRG;
    QLineEdit* txtdtnasc;
    QLineEdit* txtnome;
    QLineEdit* txtcontato;
    QLineEdit* txtFone;
    QLineEdit* txtnrcel;
    QLineEdit* txtemail;
    QLineEdit* txtcepr;
    QLineEdit* txtruar;
    QLineEdit* txtNr;
    QLineEdit* txtbairror;
    QLineEdit* txtcidader;
    QLineEdit* txtufr;
    QLineEdit* txtCdMun;
    QPlainTextEdit* txtmemo;
    QPushButton* cmdsalva;
    QPushButton* cmdretorna;
    QPushButton* Command3;
    QPushButton* Command2;

    void Form_Load();
    void txtcodcli_LostFocus();
    void TXTCPF_LostFocus();
    void txtcepr_LostFocus();
    void Command3_Click();
    void Command2_Click();
    void cmdsalva_Click();
    void cmdretorna_Click();

protected:
    void LimpaTela() override;

private:
    void preenche(const db::Recordset& row);
    void preencheDaReceita();
    // Writes the row; true when saved.
    bool grava(std::optional<QDate> nascimento, const QDate& cadastro);
    void buildLayout();
};
