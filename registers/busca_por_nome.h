#pragma once

#include "registers/picker_form.h"

class QPushButton;

// What the supply-group and collaborator pickers share: a name and a code
// listed, one search by name, select and new.
class BuscaPorNome : public PickerForm {
    Q_OBJECT
public:
    QPushButton* Command1;
    QPushButton* Command5;
    QPushButton* Command6;

    void Form_Load();
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();

protected:
    // `tabDoNovo`: the tab order runs new, select, search instead of the
    // buttons' order.
    BuscaPorNome(QWidget* parent, const PickerTable& tabela, bool tabDoNovo);
    virtual void abreCadastro() = 0;

private:
    PickerTable tabela_;
};
