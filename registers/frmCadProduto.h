#pragma once

#include "registers/register_form.h"

#include "registers/produto_statements.h"

#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Supply register: keyed by the code the user types; a code not on the list
// starts a new supply.
class frmCadProduto : public RegisterForm {
    Q_OBJECT
public:
    explicit frmCadProduto(QWidget* parent = nullptr);

    QLineEdit* txtCdPro;
    QLineEdit* txtDsPro;
    QLineEdit* txtUN;
    QLineEdit* txtCdGrupo;
    QLineEdit* txtDsGrupo;
    QLineEdit* txtFator;
    QLineEdit* txtDtUA;
    QLineEdit* txtDtUC;
    QPlainTextEdit* txtmemo;
    QLineEdit* txtQtde;
    QPushButton* cmdsalva;
    QPushButton* cmdretorna;
    QPushButton* Command2;
    QPushButton* Command3;

    void Form_Load();
    void txtCdPro_LostFocus();
    void txtCdGrupo_Change();
    void txtFator_LostFocus();
    void cmdsalva_Click();
    void cmdretorna_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void LimpaTela() override;

private:
    void buildLayout();
    void preenche(const db::Recordset& row);
    // The listed row with the typed code (letter case and trailing blanks
    // ignored, as the database compares it).
    std::optional<qsizetype> listedRow(const QString& code) const;
    // Writes the row; true when saved.
    bool grava(const ProdutoDados& dados);

    QString carregado_; // the code of the row the boxes show, as stored
};
