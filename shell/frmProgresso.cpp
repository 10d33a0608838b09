#include "shell/frmProgresso.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

frmProgresso::frmProgresso(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmProgresso"));
    setWindowTitle(QStringLiteral("Atualização"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    lMSG = new QLabel(QStringLiteral("Aguarde... Baixando Atualização..."), this);
    lMSG->setObjectName(QStringLiteral("lMSG"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lMSG);
    layout->addWidget(ProgressBar1);
    resize(360, 90);
}

void frmProgresso::showEvent(QShowEvent* event) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
