#pragma once

#include "registers/picker_form.h"

class QPushButton;

// Supply picker: hands back cdpro only.
class frmBuscaProd : public PickerForm {
    Q_OBJECT
public:
    explicit frmBuscaProd(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command5;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
};
