#include "finance/frmCPagar_BaixaPendente.h"

#include "finance/recibos_abertos.h"
#include "platform/db/db_error.h"
#include "platform/dialogs.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

frmCPagar_BaixaPendente::frmCPagar_BaixaPendente(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmCPagar_BaixaPendente"));
    setWindowTitle(QStringLiteral("Baixas Pendentes"));
    // A double-click or the space bar chooses; Enter and typing do nothing here.
    setEnterMovesFocus(false);
    setUppercaseTyping(false);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    Label1 = new QLabel(QStringLiteral("Duplo clique para selecionar"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1, 1);
    layout->addWidget(Label1);
    resize(360, 320);
    connect(List1, &QListWidget::itemDoubleClicked, this, &frmCPagar_BaixaPendente::List1_DblClick);
    Form_Load();
}

void frmCPagar_BaixaPendente::Form_Load() {
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        List1->addItems(recibosAbertos(cn, shared::gNomePesquisa));
    });
}

void frmCPagar_BaixaPendente::List1_DblClick() {
    const QListWidgetItem* item = List1->currentItem();
    shared::gCodigoPesquisa = item != nullptr ? item->text() : QString();
    close();
}

bool frmCPagar_BaixaPendente::previewKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        List1->hasFocus() && List1->currentItem() != nullptr) {
        List1_DblClick();
        return true;
    }
    return DataForm::previewKey(event);
}

void frmCPagar_BaixaPendente::escPressed() {
    close();
}
