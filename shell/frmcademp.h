#pragma once

#include "shell/company.h"
#include "shell/data_form.h"

#include <QList>
#include <utility>

class QLineEdit;
class QPushButton;

// The data of the company that uses the program.
class frmcademp : public DataForm {
    Q_OBJECT
public:
    explicit frmcademp(QWidget* parent = nullptr);

    QLineEdit* txtrazao;
    QLineEdit* txtnmf;
    QLineEdit* txtcgc;
    QLineEdit* txtIE;
    QLineEdit* txtFone;
    QLineEdit* txtRua;
    QLineEdit* txtBairro;
    QLineEdit* txtCep;
    QLineEdit* txtCidade;
    QLineEdit* txtUF;
    QLineEdit* txtforo;
    QPushButton* cmdok;

    void Form_Load();
    void txtcgc_LostFocus();
    void txtCep_LostFocus();
    void cmdok_Click();
    void FechaTabelas();

protected:
    void escPressed() override;

private:
    void preenche(const company::Stored& stored);
    // Each box with the field of the company it holds.
    QList<std::pair<QString company::Empresa::*, QLineEdit*>> caixas() const;

    db::LoadedRow loaded_;
};
