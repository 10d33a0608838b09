#include "registers/frmCadGrupoEstoque.h"

#include "platform/data_grid.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/grupo_statements.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmCadGrupoEstoque::frmCadGrupoEstoque(QWidget* parent)
    : frmCadGrupoEstoque(parent, {QStringLiteral("frmCadGrupoEstoque"),
                                  QStringLiteral("Cadastro Grupo de Insumo"),
                                  QStringLiteral("grupoestoque")}) {}

frmCadGrupoEstoque::frmCadGrupoEstoque(QWidget* parent, const Tabela& tabela)
    : RegisterForm(parent, QStringLiteral("cdgrupo"),
                   {{QStringLiteral("NOME"), QStringLiteral("dsgrupo"), 4185},
                    {QStringLiteral("CÓDIGO"), QStringLiteral("cdgrupo"), 870}}),
      table_(tabela.table) {
    setObjectName(tabela.formName);
    setWindowTitle(tabela.title);

    txtcodcli = box(this, "txtcodcli", 6, 8);
    txtnome = box(this, "txtnome", 20, 24);
    cmdsalva = button(this, "cmdsalva", QStringLiteral("SALVAR"));
    Command1 = button(this, "Command1", QStringLiteral("EXCLUIR"));
    cmdretorna = button(this, "cmdretorna", QStringLiteral("LIMPA"));
    Command1->setEnabled(false);
    setCodeBox(txtcodcli);
    selectAllOnEntry(txtcodcli);

    auto* boxes = new QHBoxLayout;
    addLabelled(boxes, this, QStringLiteral("CÓDIGO"), txtcodcli);
    addLabelled(boxes, this, QStringLiteral("NOME"), txtnome);
    boxes->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdsalva);
    buttons->addWidget(cmdretorna);
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    layout->addWidget(DataGrid1, 1);
    resize(420, 420);

    if (tabela.limpaBeforeExcluir)
        chainTabOrder({txtcodcli, txtnome, cmdsalva, cmdretorna, Command1, DataGrid1});
    else
        chainTabOrder({txtcodcli, txtnome, cmdsalva, Command1, cmdretorna, DataGrid1});
    connect(cmdsalva, &QPushButton::clicked, this, &frmCadGrupoEstoque::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &frmCadGrupoEstoque::cmdretorna_Click);
    connect(Command1, &QPushButton::clicked, this, &frmCadGrupoEstoque::Command1_Click);
    onLeave(txtcodcli, [this] { txtcodcli_LostFocus(); });
    Form_Load();
}

void frmCadGrupoEstoque::Form_Load() {
    setListSource({QStringLiteral("select * from %1 order by dsgrupo").arg(table_), {}});
}

void frmCadGrupoEstoque::txtcodcli_LostFocus() {
    loadCode([this](const db::Recordset& row) {
        Command1->setEnabled(true);
        txtnome->setText(row.text(QStringLiteral("dsgrupo")));
    });
}

void frmCadGrupoEstoque::cmdsalva_Click() {
    if (txtnome->text().trimmed().isEmpty()) {
        showNameMissing();
        return;
    }
    const auto key = saveTarget();
    if (!key)
        return;
    const bool update = key->kind == SaveKey::Update;
    if (!runSave(update ? grupoUpdate(key->code, txtnome->text(), table_)
                        : grupoInsert(txtnome->text(), table_),
                 update))
        return;
    refreshList();
    cmdretorna_Click();
    txtnome->setFocus();
}

void frmCadGrupoEstoque::cmdretorna_Click() {
    LimpaTela();
    Command1->setEnabled(false);
    txtnome->setFocus();
}

void frmCadGrupoEstoque::Command1_Click() {
    dlg::inform(QStringLiteral("Ainda não disponivel!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
}

void frmCadGrupoEstoque::LimpaTela() {
    cmdsalva->setEnabled(true);
    Command1->setEnabled(false);
    txtnome->clear();
    txtcodcli->clear();
}
