#pragma once

#include "shell/data_form.h"

class QLineEdit;
class QPushButton;

// Settings window: the database server, name, user and password.
class frmconfig : public DataForm {
    Q_OBJECT
public:
    explicit frmconfig(QWidget* parent = nullptr);

    QLineEdit* txtNmBco;
    QLineEdit* txtNmUsu;
    QLineEdit* txtSenha;
    QLineEdit* txtString;
    QPushButton* Command2;
    QPushButton* Command1;

    void Form_Load();
    void Command2_Click();
    void Command1_Click();
};
