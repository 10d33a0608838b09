#pragma once

#include "shell/data_form.h"
#include "shell/user_accounts.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// User accounts and, for each user, the allowed/blocked mark of every menu
// item of the main window.
class frmcadusuario : public DataForm {
    Q_OBJECT
public:
    explicit frmcadusuario(QWidget* parent = nullptr);

    QComboBox* Combo1;
    QLineEdit* txtsenha;
    QLineEdit* txtoksenha;
    QPushButton* Command1;
    QPushButton* Command3;
    QListWidget* List1;
    QPushButton* Command2;
    QPushButton* Command5;

    void Form_Load();
    void Combo1_LostFocus();
    void txtsenha_GotFocus();
    void txtoksenha_GotFocus();
    void txtoksenha_Change();
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Command5_Click();
    void FechaTabelas();

protected:
    void escPressed() override;

private:
    void evaluateButtons();
    void setButtons(bool enabled);
    void clearAll();

    // The user as the last lookup of the typed name read it (whether found
    // chooses between insert and update): a save writes only over that.
    users::Stored stored_;
    // False after a lookup that failed: the list and passwords are not the
    // user's, so nothing may be saved or deleted until a lookup succeeds.
    bool loaded_ = true;
};
