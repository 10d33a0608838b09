#pragma once

#include <QList>
#include <QMainWindow>

class AutoResize;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

// The main window: start-up, login and company check, the menus, the status
// bar and the background picture. Closing it ends the program.
class frmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit frmPrincipal(QWidget* parent = nullptr);
    ~frmPrincipal() override;

    // The single main window, or nullptr.
    static frmPrincipal* instance();

    // Menu controls in bar order; a submenu's heading is its menu action.
    const QList<QAction*>& menuControls() const { return menuControls_; }
    QAction* menuControl(const QString& name) const;
    // Status-bar panel 1 to 6.
    QLabel* panel(int number) const;

    QPushButton* cmdST;
    QPushButton* cmdfundo;
    QLabel* imgFundo;
    QTimer* Timer1;
    AutoResize* Resize;

    void Form_Load();
    // The activation step: runs each time the window becomes active.
    void Form_Activate();
    void mnu_f10_Click();

    // The program's version text: major "." revision.
    static QString versionText();

protected:
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void runMenuCommand(const QString& name);
    bool raiseOpenOrderList(const QString& name);
    void startupBlock();
    void showBackground();
    void setBanner(const QString& caption);
    void openModal(const QString& formName);

    QList<QAction*> menuControls_;
    QList<QLabel*> panels_;
    bool activating_ = false;
};
