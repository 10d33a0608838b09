#include "service_orders/frmOS_CadCategoria.h"

#include "platform/data_grid.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "service_orders/categoria_statements.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmOS_CadCategoria::frmOS_CadCategoria(QWidget* parent)
    : RegisterForm(parent, QStringLiteral("cdgrupo"),
                   {{QStringLiteral("NOME"), QStringLiteral("dsgrupo"), 4185},
                    {QStringLiteral("CÓDIGO"), QStringLiteral("cdgrupo"), 870}}) {
    setObjectName(QStringLiteral("frmOS_CadCategoria"));
    setWindowTitle(QStringLiteral("Cadastro de Categorias"));

    txtcodcli = box(this, "txtcodcli", 6, 8);
    txtnome = box(this, "txtnome", 20, 24);
    cmdsalva = button(this, "cmdsalva", QStringLiteral("SALVAR"));
    cmdretorna = button(this, "cmdretorna", QStringLiteral("LIMPA"));
    Command1 = button(this, "Command1", QStringLiteral("EXCLUIR"));
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

    chainTabOrder({txtcodcli, txtnome, cmdsalva, cmdretorna, Command1, DataGrid1});
    connect(cmdsalva, &QPushButton::clicked, this, &frmOS_CadCategoria::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &frmOS_CadCategoria::cmdretorna_Click);
    connect(Command1, &QPushButton::clicked, this, &frmOS_CadCategoria::Command1_Click);
    onLeave(txtcodcli, [this] { txtcodcli_LostFocus(); });
    Form_Load();
}

void frmOS_CadCategoria::Form_Load() {
    setListSource({QStringLiteral("select * from categorias order by dsgrupo"), {}});
}

void frmOS_CadCategoria::txtcodcli_LostFocus() {
    loadCode([this](const db::Recordset& row) {
        Command1->setEnabled(true);
        txtnome->setText(row.text(QStringLiteral("dsgrupo")));
    });
}

void frmOS_CadCategoria::cmdsalva_Click() {
    if (txtnome->text().trimmed().isEmpty()) {
        showNameMissing();
        return;
    }
    const auto key = saveTarget();
    if (!key)
        return;
    const bool update = key->kind == SaveKey::Update;
    if (!runSave(update ? categoriaUpdate(key->code, txtnome->text())
                        : categoriaInsert(txtnome->text()),
                 update))
        return;
    refreshList();
    cmdretorna_Click();
    txtnome->setFocus();
}

void frmOS_CadCategoria::cmdretorna_Click() {
    LimpaTela();
    Command1->setEnabled(false);
    txtnome->setFocus();
}

void frmOS_CadCategoria::Command1_Click() {
    dlg::inform(QStringLiteral("Ainda não disponivel!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
}

void frmOS_CadCategoria::LimpaTela() {
    cmdsalva->setEnabled(true);
    Command1->setEnabled(false);
    txtnome->clear();
    txtcodcli->clear();
}
