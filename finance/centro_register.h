#pragma once

#include "finance/centro_tabela.h"
#include "registers/register_form.h"

class QLineEdit;
class QPushButton;

// The cost-centre and sub-centre registers: one design over two tables.
class CentroRegister : public RegisterForm {
    Q_OBJECT
public:
    QLineEdit* txtcodcli;
    QLineEdit* txtnome;
    QPushButton* cmdsalva;
    QPushButton* cmdretorna;
    QPushButton* Command1;

    void Form_Load();
    void txtcodcli_LostFocus();
    void cmdsalva_Click();
    void cmdretorna_Click();
    void Command1_Click();

protected:
    CentroRegister(QWidget* parent, const CentroTabela& tabela, const QString& caption);
    void LimpaTela() override;

private:
    const CentroTabela& tabela_;
};
