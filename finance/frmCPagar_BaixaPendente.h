#pragma once

#include "shell/data_form.h"

class QLabel;
class QListWidget;

// Picker of the receipts left open, for either settlement screen: the mode
// comes in gNomePesquisa ("P" or "C"), the chosen item goes back in
// gCodigoPesquisa.
class frmCPagar_BaixaPendente : public DataForm {
    Q_OBJECT
public:
    explicit frmCPagar_BaixaPendente(QWidget* parent = nullptr);

    QListWidget* List1;
    QLabel* Label1;

    void Form_Load();
    void List1_DblClick();

protected:
    bool previewKey(QKeyEvent* event) override;
    void escPressed() override;
};
