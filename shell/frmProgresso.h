#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// Shown without blocking while the update program downloads.
class frmProgresso : public QDialog {
    Q_OBJECT
public:
    explicit frmProgresso(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1;
    QLabel* lMSG;

protected:
    void showEvent(QShowEvent* event) override;
};
