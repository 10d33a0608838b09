#include "registers/frmCadProduto.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/audit_stamp.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaGrupo.h"
#include "registers/insumo_rules.h"
#include "registers/pick.h"
#include "registers/search_statements.h"
#include "shell/shared_state.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// Codes compare as the database compares them: letter case and trailing
// blanks ignored.
bool sameCode(const QString& a, const QString& b) {
    return withoutTrailingBlanks(a).compare(withoutTrailingBlanks(b), Qt::CaseInsensitive) == 0;
}

} // namespace

frmCadProduto::frmCadProduto(QWidget* parent)
    : RegisterForm(parent, QStringLiteral("produtos"), QStringLiteral("cdpro"),
                   {{QStringLiteral("PRODUTO"), QStringLiteral("dspro"), 4185},
                    {QStringLiteral("UN"), QStringLiteral("un"), 600},
                    {QStringLiteral("ULT.CMP"), QStringLiteral("dtucmp"), 1200, ListFormat::Code},
                    {QStringLiteral("CÓDIGO"), QStringLiteral("cdpro"), 1515, ListFormat::Code}}) {
    setObjectName(QStringLiteral("frmCadProduto"));
    setWindowTitle(QStringLiteral("Cadastro de Insumos"));
    setSaveConnection(SaveConnection::KeptOpen);
    buildLayout();
    setCodeBox(txtCdPro);
    selectAllOnEntry(txtCdPro);

    bindKey(Qt::Key_F2, Command2);
    bindKey(Qt::Key_F10, Command3);
    connect(cmdsalva, &QPushButton::clicked, this, &frmCadProduto::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &frmCadProduto::cmdretorna_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCadProduto::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmCadProduto::Command3_Click);
    connect(txtCdGrupo, &QLineEdit::textChanged, this, &frmCadProduto::txtCdGrupo_Change);
    onLeave(txtCdPro, [this] { txtCdPro_LostFocus(); });
    onLeave(txtFator, [this] { txtFator_LostFocus(); });
    Form_Load();
    LimpaTela();
    txtCdPro->setFocus();
}

void frmCadProduto::buildLayout() {
    txtCdPro = box(this, "txtCdPro", 14, 16);
    txtDsPro = box(this, "txtDsPro", 45, 40);
    txtUN = box(this, "txtUN", 2, 4);
    txtCdGrupo = box(this, "txtCdGrupo", 6, 7);
    txtDsGrupo = box(this, "txtDsGrupo", 0, 24);
    setDisplayOnly(txtDsGrupo);
    txtFator = box(this, "txtFator", 18, 14);
    txtDtUA = box(this, "txtDtUA", 10, 12);
    txtDtUC = box(this, "txtDtUC", 10, 12);
    txtQtde = box(this, "txtQtde", 10, 12);
    setDisplayOnly(txtQtde);
    txtmemo = memo(this, "txtmemo");
    cmdsalva = button(this, "cmdsalva", QStringLiteral("SALVAR"));
    cmdretorna = button(this, "cmdretorna", QStringLiteral("LIMPA"));
    Command2 = pickerButton(this, "Command2", QStringLiteral("F2 Pesq,Grupo"));
    Command3 = button(this, "Command3", QStringLiteral("F10 Pesquisa Produto"));

    auto* row1 = new QHBoxLayout;
    addLabelled(row1, this, QStringLiteral("CÓDIGO"), txtCdPro);
    addLabelled(row1, this, QStringLiteral("PRODUTO"), txtDsPro, 1);
    addLabelled(row1, this, QStringLiteral("UN"), txtUN);
    row1->addWidget(Command3, 0, Qt::AlignTop);
    auto* group = new QHBoxLayout;
    group->addWidget(txtCdGrupo);
    group->addWidget(txtDsGrupo);
    group->addWidget(Command2);
    auto* groupColumn = new QVBoxLayout;
    groupColumn->setSpacing(2);
    groupColumn->addWidget(new QLabel(QStringLiteral("GRUPO DE ESTOQUE"), this));
    groupColumn->addLayout(group);
    auto* row2 = new QHBoxLayout;
    row2->addLayout(groupColumn);
    row2->addStretch();
    auto* row3 = new QHBoxLayout;
    addLabelled(row3, this, QStringLiteral("CUSTO"), txtFator);
    addLabelled(row3, this, QStringLiteral("QTDE.MIN"), txtDtUA);
    addLabelled(row3, this, QStringLiteral("DT.U.CMP"), txtDtUC);
    addLabelled(row3, this, QStringLiteral("ESTOQUE"), txtQtde);
    row3->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdsalva);
    buttons->addWidget(cmdretorna);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row1);
    layout->addLayout(row2);
    layout->addLayout(row3);
    layout->addWidget(new QLabel(QStringLiteral("INFORMAÇÕES ADICIONAIS"), this));
    layout->addWidget(txtmemo);
    layout->addLayout(buttons);
    layout->addWidget(DataGrid1, 1);
    resize(760, 600);

    chainTabOrder({txtCdPro, txtDsPro, txtUN, txtCdGrupo, Command2, txtFator, txtDtUA, txtDtUC,
                   txtmemo, cmdsalva, cmdretorna, Command3, DataGrid1});
}

void frmCadProduto::Form_Load() {
    try {
        shared::abreConexao();
    } catch (const db::DbError& e) {
        dlg::showError(e);
    }
    setListSource(tableList(QStringLiteral("produtos"), QStringLiteral("dspro")));
}

std::optional<qsizetype> frmCadProduto::listedRow(const QString& code) const {
    const db::Recordset& rows = Adodc1->recordset();
    const int column = rows.columnIndex(QStringLiteral("cdpro"));
    for (qsizetype r = 0; column >= 0 && r < rows.rowCount(); ++r) {
        if (sameCode(rows.textAt(r, column), code))
            return r;
    }
    return std::nullopt;
}

void frmCadProduto::txtCdPro_LostFocus() {
    if (txtCdPro->text().trimmed().isEmpty()) {
        LimpaTela();
        return;
    }
    if (!refreshList())
        return;
    const auto found = listedRow(txtCdPro->text());
    if (!found) {
        LimpaTela();
        return;
    }
    db::Recordset row = Adodc1->recordset();
    row.moveTo(*found);
    DataGrid1->setCurrentRow(static_cast<int>(*found));
    remember(row);
    preenche(row);
}

void frmCadProduto::preenche(const db::Recordset& row) {
    carregado_ = row.text(QStringLiteral("cdpro"));
    txtDsPro->setText(row.text(QStringLiteral("dspro")));
    txtUN->setText(row.text(QStringLiteral("un")));
    txtCdGrupo->setText(row.text(QStringLiteral("cdgrupo")));
    txtFator->setText(formataCusto(row.decimal(QStringLiteral("vcusto"))));
    txtDtUC->setText(row.text(QStringLiteral("dtucmp")));
    txtmemo->setPlainText(row.text(QStringLiteral("obs")));
    txtDtUA->setText(formataQuantidade(row.decimal(QStringLiteral("qmin"))));
    txtQtde->setText(QStringLiteral("***"));
}

void frmCadProduto::txtCdGrupo_Change() {
    const auto code = codigoGrupo(txtCdGrupo->text());
    if (!code) {
        txtDsGrupo->clear();
        return;
    }
    try {
        shared::abreConexao();
        const db::Recordset r = shared::gCn().query(
            QStringLiteral("select dsgrupo from grupoestoque where cdgrupo = ?"), {*code});
        txtDsGrupo->setText(r.isEmpty() ? QString() : r.textAt(0, 0));
    } catch (const db::DbError& e) {
        txtDsGrupo->clear();
        dlg::showError(e);
    }
}

void frmCadProduto::txtFator_LostFocus() {
    if (const auto custo = leCusto(txtFator->text()))
        txtFator->setText(formataCusto(*custo));
}

void frmCadProduto::cmdsalva_Click() {
    const ChecagemInsumo checagem = checaInsumo(txtDsPro->text(), txtUN->text(), txtDsGrupo->text(),
                                                txtFator->text(), txtDtUA->text());
    if (checagem.erro) {
        dlg::dialogs().show(*checagem.erro);
        return;
    }
    const ProdutoDados dados{txtCdPro->text(),
                             txtDsPro->text(),
                             txtUN->text(),
                             codigoGrupo(txtCdGrupo->text()).value_or(0),
                             checagem.custo,
                             txtDtUC->text(),
                             txtmemo->toPlainText().trimmed(),
                             checagem.minimo};
    if (!grava(dados))
        return;
    refreshList();
    cmdretorna_Click();
}

bool frmCadProduto::grava(const ProdutoDados& dados) {
    BusyGuard busy;
    if (dados.cdpro.trimmed().isEmpty()) {
        dlg::inform(QStringLiteral("--- ERRO --- INFORME O CÓDIGO DO PRODUTO!"),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Information);
        return false;
    }
    const QString stamp = auditStamp();
    // A code the boxes were not loaded from is a new supply, whatever the
    // list shows now: one stored meanwhile under it (at another station, or
    // outside the narrowed list) is refused as a duplicate, the typed values
    // kept, and never written over.
    if (!sameCode(carregado_, dados.cdpro))
        return runInsert(produtoInsert(dados, stamp, auditStamp()));
    return runUpdate(carregado_, produtoUpdate(dados, stamp),
                     [this](const db::Recordset& row) { preenche(row); });
}

void frmCadProduto::cmdretorna_Click() {
    LimpaTela();
    txtCdPro->clear();
    txtCdPro->setFocus();
}

void frmCadProduto::LimpaTela() {
    carregado_.clear();
    cmdsalva->setEnabled(true);
    txtDsPro->clear();
    txtUN->clear();
    txtCdGrupo->clear();
    txtFator->clear();
    txtDtUC->setText(QStringLiteral("SR"));
    txtDtUA->clear();
    txtmemo->clear();
    txtQtde->clear();
}

void frmCadProduto::Command2_Click() {
    pickInto<frmBuscaGrupo>(this, txtCdGrupo);
}

void frmCadProduto::Command3_Click() {
    searchList(QStringLiteral("Produto: "), QStringLiteral("Pesquisa produto já cadastrado"),
               [](const QString& text) {
                   return containsSearch(QStringLiteral("produtos"), QStringLiteral("dspro"),
                                         QStringLiteral("dspro"), text);
               });
}
