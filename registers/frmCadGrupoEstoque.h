#pragma once

#include "registers/register_form.h"

class QLineEdit;
class QPushButton;

// Supply-group register.
class frmCadGrupoEstoque : public RegisterForm {
    Q_OBJECT
public:
    explicit frmCadGrupoEstoque(QWidget* parent = nullptr);

    QLineEdit* txtcodcli;
    QLineEdit* txtnome;
    QPushButton* cmdsalva;
    QPushButton* Command1;
    QPushButton* cmdretorna;

    void Form_Load();
    void txtcodcli_LostFocus();
    void cmdsalva_Click();
    void cmdretorna_Click();
    void Command1_Click();

protected:
    // The same register over another table of codes and names.
    struct Tabela {
        QString formName;
        QString title;
        QString table;
        bool limpaBeforeExcluir = false; // tab order of the last two buttons
    };
    frmCadGrupoEstoque(QWidget* parent, const Tabela& tabela);

    void LimpaTela() override;

private:
    QString table_;
};
