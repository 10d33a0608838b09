#pragma once

#include "registers/picker_form.h"

class QPushButton;

// Collaborator picker: hands back cdven and nmven.
class frmBuscaVendedor : public PickerForm {
    Q_OBJECT
public:
    explicit frmBuscaVendedor(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command5;
    QPushButton* Command6;

    void Form_Load();
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
};
