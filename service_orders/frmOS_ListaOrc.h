#pragma once

#include "shell/data_form.h"

class DataGrid;
class QPushButton;
namespace db {
class DataControl;
}

// The list of service orders, the only place where orders are created and
// deleted. Its mode comes from gModoOS when it opens: "O" the quotes, "A"
// the orders in progress.
class frmOS_ListaOrc : public DataForm {
    Q_OBJECT
public:
    explicit frmOS_ListaOrc(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    DataGrid* DataGrid1;
    db::DataControl* Adodc1;

    const QString& modo() const { return modo_; }

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();

protected:
    void escPressed() override;

private:
    // The order of the current row; empty when the list has none.
    QString osnrAtual() const;
    void pesquisaSituacao();
    void pesquisaTexto(int opcao);

    QString modo_;
};
