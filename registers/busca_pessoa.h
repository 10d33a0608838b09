#pragma once

#include "registers/picker_form.h"

class QPushButton;

// What the client and supplier pickers share: searches by name, nickname,
// document and phone over the same columns of their own table.
class BuscaPessoa : public PickerForm {
    Q_OBJECT
public:
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

protected:
    // `novo` is the new button's caption; `tabDaDireita` runs the buttons'
    // tab order from the right.
    BuscaPessoa(QWidget* parent, const PickerTable& tabela, const QString& novo, bool tabDaDireita);
    virtual void abreCadastro() = 0;

private:
    PickerTable tabela_;
};
