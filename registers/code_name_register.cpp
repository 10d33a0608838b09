#include "registers/code_name_register.h"

#include "platform/data_grid.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/search_statements.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

Statement codeNameInsert(const CodeNameTable& t, const QString& name) {
    return {QStringLiteral("insert into %1 (%2) values (?)").arg(t.table, t.nameColumn), {name}};
}

Statement codeNameUpdate(const CodeNameTable& t, qint64 code, const QString& name) {
    return {
        QStringLiteral("update %1 set %2 = ? where %3 = ?").arg(t.table, t.nameColumn, t.keyColumn),
        {name, code}};
}

CodeNameRegister::CodeNameRegister(QWidget* parent, CodeNameTable table)
    : RegisterForm(parent, table.table, table.keyColumn, table.columns), table_(std::move(table)) {
    setObjectName(table_.formName);
    setWindowTitle(table_.title);

    txtcodcli = box(this, "txtcodcli", table_.codeLength, table_.codeWidth);
    txtnome = box(this, "txtnome", table_.nameLength, table_.nameWidth);
    cmdsalva = button(this, "cmdsalva", QStringLiteral("SALVAR"));
    Command1 = button(this, "Command1", QStringLiteral("EXCLUIR"));
    cmdretorna = button(this, "cmdretorna", QStringLiteral("LIMPA"));
    Command1->setEnabled(false);
    setCodeBox(txtcodcli);
    selectAllOnEntry(txtcodcli);

    auto* boxes = new QHBoxLayout;
    addLabelled(boxes, this, QStringLiteral("CÓDIGO"), txtcodcli);
    addLabelled(boxes, this, QStringLiteral("NOME"), txtnome, table_.nameStretches ? 1 : 0);
    if (!table_.nameStretches)
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
    resize(table_.size);

    if (table_.limpaBeforeExcluir)
        chainTabOrder({txtcodcli, txtnome, cmdsalva, cmdretorna, Command1, DataGrid1});
    else
        chainTabOrder({txtcodcli, txtnome, cmdsalva, Command1, cmdretorna, DataGrid1});
    connect(cmdsalva, &QPushButton::clicked, this, &CodeNameRegister::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &CodeNameRegister::cmdretorna_Click);
    connect(Command1, &QPushButton::clicked, this, &CodeNameRegister::Command1_Click);
    onLeave(txtcodcli, [this] { txtcodcli_LostFocus(); });
    Form_Load();
    txtcodcli->setFocus();
}

void CodeNameRegister::Form_Load() {
    setListSource(tableList(table_.table, table_.nameColumn));
}

void CodeNameRegister::txtcodcli_LostFocus() {
    loadCode([this](const db::Recordset& row) { preenche(row); });
}

void CodeNameRegister::preenche(const db::Recordset& row) {
    Command1->setEnabled(true);
    txtnome->setText(row.text(table_.nameColumn));
}

void CodeNameRegister::cmdsalva_Click() {
    if (txtnome->text().trimmed().isEmpty()) {
        showNameMissing(txtnome);
        return;
    }
    const auto key = saveTarget();
    if (!key)
        return;
    const bool saved =
        key->kind == SaveKey::Update
            ? runUpdate(key->code, codeNameUpdate(table_, key->code, txtnome->text()),
                        [this](const db::Recordset& row) { preenche(row); })
            : runInsert(codeNameInsert(table_, txtnome->text()));
    if (!saved)
        return;
    refreshList();
    cmdretorna_Click();
    txtnome->setFocus();
}

void CodeNameRegister::cmdretorna_Click() {
    LimpaTela();
    Command1->setEnabled(false);
    txtnome->setFocus();
}

void CodeNameRegister::Command1_Click() {
    dlg::inform(QStringLiteral("Ainda não disponivel!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
}

void CodeNameRegister::LimpaTela() {
    cmdsalva->setEnabled(true);
    Command1->setEnabled(false);
    txtnome->clear();
    txtcodcli->clear();
}
