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

// The cost lines of one service order: supply and labour lines by category,
// added one at a time, deleted on request, totalled by type. The opener puts
// the order number into txtOsNr before showing the window.
class frmOS_Custos : public SupplyForm {
    Q_OBJECT
public:
    explicit frmOS_Custos(QWidget* parent = nullptr);

    QLineEdit* txtOsNr;
    QGroupBox* Frame1;
    QComboBox* cboCat;
    QLineEdit* txtCdPro;
    QLineEdit* txtDsSRV;
    QLineEdit* txtUn;
    QLineEdit* txtQt;
    QLineEdit* txtVU;
    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command2;
    db::DataControl* Adodc1;
    DataGrid* DataGrid1;
    QLabel* lTL;

    void Form_Load();
    void Form_Activate() override;
    void Command1_Click();
    void Command3_Click();
    void txtCdPro_Change();
    void txtCdPro_LostFocus();
    void Command2_Click();
    void DataGrid1_DblClick();
    void CalculaTotaisCustos();

protected:
    void escPressed() override;

private:
    void buildLayout();
    // The order number of txtOsNr; none when it holds no whole number.
    std::optional<qint64> ordem() const;

    bool activating_ = false;
};
