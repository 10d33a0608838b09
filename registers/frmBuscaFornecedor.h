#pragma once

#include "registers/picker_form.h"

class QPushButton;

// Supplier picker: hands back cdfor and nmfor.
class frmBuscaFornecedor : public PickerForm {
    Q_OBJECT
public:
    explicit frmBuscaFornecedor(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
};
