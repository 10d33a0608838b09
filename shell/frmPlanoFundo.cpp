#include "shell/frmPlanoFundo.h"

#include "platform/dialogs.h"
#include "platform/program_folder.h"
#include "shell/background_picture.h"
#include "shell/funcoes.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

frmPlanoFundo::frmPlanoFundo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPlanoFundo"));
    setWindowTitle(QStringLiteral("Definir Imagem de Fundo Tela Principal"));

    Command1 = new QPushButton(QStringLiteral("Selecionar Pasta de Imagens"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    imgFundo = new QLabel(this);
    imgFundo->setObjectName(QStringLiteral("imgFundo"));
    imgFundo->setScaledContents(true);
    imgFundo->setFrameShape(QFrame::Box);
    imgFundo->setMinimumSize(505, 292);
    Command2 = new QPushButton(QStringLiteral("Salvar"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("Remover"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    for (QPushButton* button : {Command1, Command2, Command3})
        button->setAutoDefault(false);
    for (QPushButton* button : {Command2, Command3})
        button->setMinimumSize(120, 56);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Command1, 0, 0);
    grid->addWidget(File1, 1, 0, 2, 1);
    grid->addWidget(imgFundo, 0, 1, 2, 1);
    grid->addLayout(buttons, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    resize(726, 505);

    connect(Command1, &QPushButton::clicked, this, &frmPlanoFundo::Command1_Click);
    connect(File1, &QListWidget::itemSelectionChanged, this, &frmPlanoFundo::File1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmPlanoFundo::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmPlanoFundo::Command3_Click);
    Form_Load();
}

void frmPlanoFundo::Form_Load() {
    listFolder(programfolder::path());
    if (QFileInfo::exists(background::file()))
        preview(background::file());
}

void frmPlanoFundo::listFolder(const QString& folder) {
    pasta_ = folder;
    File1->clear();
    File1->addItems(background::pictures(folder));
}

void frmPlanoFundo::preview(const QString& path) {
    imgFundo->setPixmap(QPixmap(path));
}

void frmPlanoFundo::Command1_Click() {
    // A cancelled choice keeps the list as it was.
    const QString folder = ProcuraPasta();
    if (!folder.isEmpty())
        listFolder(folder);
}

void frmPlanoFundo::File1_Click() {
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (!selected.isEmpty())
        preview(QDir(pasta_).filePath(selected.first()->text()));
}

void frmPlanoFundo::Command2_Click() {
    if (!dlg::ask(QStringLiteral("Confirma?"), QStringLiteral("Atenção"), dlg::Answer::No))
        return;
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    if (selected.isEmpty())
        return;
    QString error;
    if (background::copy(QDir(pasta_).filePath(selected.first()->text()), &error) ==
        background::CopyResult::Failed) {
        dlg::inform(QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL GRAVAR A IMAGEM DE FUNDO!\n") +
                        error,
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Critical);
        return;
    }
    close();
}

void frmPlanoFundo::Command3_Click() {
    if (!dlg::ask(QStringLiteral("Confirma a remoção do plano de fundo?"),
                  QStringLiteral("Atenção"), dlg::Answer::No))
        return;
    QString error;
    if (!background::remove(&error)) {
        dlg::inform(QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL REMOVER A IMAGEM DE FUNDO!\n") +
                        error,
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Critical);
        return;
    }
    close();
}
