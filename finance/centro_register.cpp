#include "finance/centro_register.h"

#include "platform/data_grid.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

CentroRegister::CentroRegister(QWidget* parent, const CentroTabela& tabela, const QString& caption)
    : RegisterForm(parent, tabela.chave,
                   {{QStringLiteral("CÓDIGO"), tabela.chave, 870},
                    {QStringLiteral("NOME"), tabela.coluna, 4680}}),
      tabela_(tabela) {
    setWindowTitle(caption);

    txtcodcli = box(this, "txtcodcli", 9, 8);
    txtnome = box(this, "txtnome", 45, 36);
    cmdsalva = button(this, "cmdsalva", QStringLiteral("SALVAR"));
    cmdretorna = button(this, "cmdretorna", QStringLiteral("LIMPA"));
    Command1 = button(this, "Command1", QStringLiteral("EXCLUIR"));
    Command1->setEnabled(false);
    setCodeBox(txtcodcli);
    selectAllOnEntry(txtcodcli);

    auto* boxes = new QHBoxLayout;
    addLabelled(boxes, this, QStringLiteral("CÓDIGO"), txtcodcli);
    addLabelled(boxes, this, QStringLiteral("NOME"), txtnome, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdsalva);
    buttons->addWidget(cmdretorna);
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    layout->addWidget(DataGrid1, 1);
    resize(440, 420);

    chainTabOrder({txtcodcli, txtnome, cmdsalva, cmdretorna, Command1, DataGrid1});
    connect(cmdsalva, &QPushButton::clicked, this, &CentroRegister::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &CentroRegister::cmdretorna_Click);
    connect(Command1, &QPushButton::clicked, this, &CentroRegister::Command1_Click);
    onLeave(txtcodcli, [this] { txtcodcli_LostFocus(); });
    Form_Load();
}

void CentroRegister::Form_Load() {
    setListSource(centroLista(tabela_));
}

void CentroRegister::txtcodcli_LostFocus() {
    loadCode([this](const db::Recordset& row) {
        Command1->setEnabled(true);
        txtnome->setText(row.text(tabela_.coluna));
    });
}

void CentroRegister::cmdsalva_Click() {
    if (txtnome->text().trimmed().isEmpty()) {
        showNameMissing();
        return;
    }
    const auto key = saveTarget();
    if (!key)
        return;
    const bool update = key->kind == SaveKey::Update;
    const Statement statement = update ? centroUpdate(tabela_, key->code, txtnome->text())
                                       : centroInsert(tabela_, txtnome->text());
    if (!runSave(statement, update))
        return;
    refreshList();
    cmdretorna_Click();
    txtnome->setFocus();
}

void CentroRegister::cmdretorna_Click() {
    LimpaTela();
    Command1->setEnabled(false);
    txtnome->setFocus();
}

void CentroRegister::Command1_Click() {
    dlg::inform(QStringLiteral("Ainda não disponivel!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
}

void CentroRegister::LimpaTela() {
    cmdsalva->setEnabled(true);
    Command1->setEnabled(false);
    txtnome->clear();
    txtcodcli->clear();
}
