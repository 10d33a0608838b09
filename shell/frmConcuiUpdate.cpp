#include "shell/frmConcuiUpdate.h"

#include "platform/busy_guard.h"
#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "shell/post_update.h"
#include "shell/shared_state.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <optional>

namespace {

// The table already exists: the step ran before.
constexpr int kTableExists = 1050;

} // namespace

frmConcuiUpdate::frmConcuiUpdate(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmConcuiUpdate"));
    setWindowTitle(QStringLiteral("Conclusão de Atualização"));

    Command1 = new QPushButton(QStringLiteral("Criar Tabela estornoshst"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Fechar"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* button : {Command1, Command2}) {
        button->setAutoDefault(false);
        button->setMinimumHeight(40);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Command1);
    layout->addWidget(Command2);
    setTabOrder(Command1, Command2);
    resize(320, 120);

    connect(Command1, &QPushButton::clicked, this, &frmConcuiUpdate::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmConcuiUpdate::Command2_Click);
}

void frmConcuiUpdate::showEvent(QShowEvent* event) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void frmConcuiUpdate::Command1_Click() {
    Command1->setEnabled(false);
    QString message;
    std::optional<db::DbError> error;
    {
        BusyGuard hourglass;
        try {
            shared::abreConexao();
            QApplication::processEvents();
            criaTabelaEstornos(shared::gCn());
            message = QStringLiteral("Executado com sucesso!");
        } catch (const db::DbError& e) {
            if (e.number() == kTableExists) {
                message = QStringLiteral("Procedimento já executado!");
            } else {
                error = e;
            }
        }
        shared::fechaConexao();
    }
    if (error)
        dlg::showError(*error);
    else
        dlg::inform(message, QStringLiteral("Atenção"), dlg::Icon::Information);
}

void frmConcuiUpdate::Command2_Click() {
    close();
}
