#pragma once

#include "registers/register_form.h"

class QLineEdit;
class QPushButton;

// Register of the categories that group an order's cost lines.
class frmOS_CadCategoria : public RegisterForm {
    Q_OBJECT
public:
    explicit frmOS_CadCategoria(QWidget* parent = nullptr);

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
    void LimpaTela() override;
};
