#pragma once

#include "shell/data_form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The login window: checks a user against `usuarios`, applies the user's
// profile to the main window's menus, starts the support program.
class frmtelainicial : public DataForm {
    Q_OBJECT
public:
    explicit frmtelainicial(QWidget* parent = nullptr);
    ~frmtelainicial() override;

    QLabel* imgLogin;
    QLabel* Label3;
    QLineEdit* txtUsuario;
    QLabel* Label2;
    QLineEdit* txtSenha;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label4;
    QLabel* Label1;
    QTimer* Timer1;

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void AplicaPerfil();
    void AbreSuporte();
    void FechaTabelas();

    // Download address of the support program (QUENDARO_SUPORTE_URL overrides).
    static QString supportAddress();

protected:
    bool previewKey(QKeyEvent* event) override;
    void escPressed() override;
    void enterPressed(QWidget* from) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool activating_ = false;
    bool done_ = false;
};
