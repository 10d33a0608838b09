#pragma once

#include "registers/pessoa_statements.h"
#include "registers/register_form.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// What the supplier and collaborator registers share: the same boxes (the
// nickname only for suppliers), the document check when its box is left,
// the name searches, and saves with both audit stamps.
class PessoaRegister : public RegisterForm {
    Q_OBJECT
public:
    QLineEdit* txtcodcli;
    QLineEdit* TXTCPF;
    QLineEdit* TXTRG;
    QLineEdit* txtnome;
    QLineEdit* txtcontato = nullptr; // suppliers only
    QLineEdit* txtfone;
    QLineEdit* txtnrcel;
    QLineEdit* txtemail;
    QLineEdit* txtruar;
    QLineEdit* txtnr;
    QLineEdit* txtcepr;
    QLineEdit* txtbairror;
    QLineEdit* txtcidader;
    QLineEdit* txtufr;
    QPlainTextEdit* txtmemo;
    QPushButton* cmdsalva;
    QPushButton* cmdretorna;
    QPushButton* Command3;
    QPushButton* Command2 = nullptr; // suppliers only

    void Form_Load();
    void txtcodcli_LostFocus();
    void TXTCPF_LostFocus();
    void Command3_Click();
    void Command2_Click();
    void cmdsalva_Click();
    void cmdretorna_Click();

protected:
    PessoaRegister(QWidget* parent, const PessoaTabela& tabela, const QList<ListColumn>& columns,
                   const QString& searchTitle);
    // After a save went through, before the window is cleared.
    virtual void depoisDeGravar() {}
    PessoaDados dados() const;

    void LimpaTela() override;

private:
    void preenche(const db::Recordset& row);
    void buildLayout();

    PessoaTabela tabela_;
    QString searchTitle_;
};
