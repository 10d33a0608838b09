#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// Chooses the picture behind the main window, or removes it.
class frmPlanoFundo : public QDialog {
    Q_OBJECT
public:
    explicit frmPlanoFundo(QWidget* parent = nullptr);

    QPushButton* Command1;
    QListWidget* File1;
    QLabel* imgFundo;
    QPushButton* Command2;
    QPushButton* Command3;

    void Form_Load();
    void Command1_Click();
    void File1_Click();
    void Command2_Click();
    void Command3_Click();

    // The folder the list shows.
    const QString& folder() const { return pasta_; }

private:
    void listFolder(const QString& folder);
    void preview(const QString& path);

    QString pasta_;
};
