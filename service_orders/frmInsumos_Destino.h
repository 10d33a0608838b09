#pragma once

#include "service_orders/supply_form.h"

class DataGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace db {
class DataControl;
}

// Hands the items of a supplies purchase out to service orders as supply cost
// lines, and reverses such allocations. It lists the purchase whose key the
// purchase window that opens it holds.
class frmInsumos_Destino : public SupplyForm {
    Q_OBJECT
public:
    explicit frmInsumos_Destino(QWidget* parent = nullptr);

    db::DataControl* Adodc1;
    DataGrid* DataGrid1;
    QGroupBox* frmDest;
    QLabel* lPro;
    QLineEdit* txtOS;
    QLineEdit* txtNmCli;
    QComboBox* cboCT;
    QLineEdit* txtQtde;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    db::DataControl* Adodc2;
    DataGrid* DataGrid2;

    void Form_Load();
    void DataGrid1_DblClick();
    void txtOS_Change();
    void txtOS_LostFocus();
    void Command1_Click();
    void DataGrid2_DblClick();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    bool previewKey(QKeyEvent* event) override;
    void escPressed() override;

private:
    void buildLayout();
    // Shows the item at `row` of the list in the allocation frame.
    void escolheItem(int row);
    // Makes `row` the item in hand (-1: past the last one) and marks it.
    void posicionaItem(int row);
    // Reads the item list again and finds the item `idlan` in it.
    void releItens(const QString& idlan);
    void pesquisaOrdem();
    std::optional<qint64> ordem() const;

    int item_ = -1;
    QString ossit_;
};
