#pragma once

#include <QDialog>

class QPushButton;

// Runs the schema change of a new version, once per opening.
class frmConcuiUpdate : public QDialog {
    Q_OBJECT
public:
    explicit frmConcuiUpdate(QWidget* parent = nullptr);

    QPushButton* Command1;
    QPushButton* Command2;

    void Command1_Click();
    void Command2_Click();

protected:
    void showEvent(QShowEvent* event) override;
};
