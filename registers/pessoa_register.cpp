#include "registers/pessoa_register.h"

#include "platform/data_grid.h"
#include "registers/audit_stamp.h"
#include "registers/form_widgets.h"
#include "registers/search_statements.h"
#include "shell/cpf_cnpj.h"
#include "shell/shared_state.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

PessoaRegister::PessoaRegister(QWidget* parent, const PessoaTabela& tabela,
                               const QList<ListColumn>& columns, const QString& searchTitle)
    : RegisterForm(parent, tabela.tabela, tabela.chave, columns), tabela_(tabela),
      searchTitle_(searchTitle) {
    buildLayout();
    setCodeBox(txtcodcli);
    selectAllOnEntry(txtcodcli);
    selectAllOnEntry(TXTCPF);
    bindKey(Qt::Key_F10, Command3);
    connect(Command3, &QPushButton::clicked, this, &PessoaRegister::Command3_Click);
    if (Command2 != nullptr) {
        bindKey(Qt::Key_F11, Command2);
        connect(Command2, &QPushButton::clicked, this, &PessoaRegister::Command2_Click);
    }
    connect(cmdsalva, &QPushButton::clicked, this, &PessoaRegister::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &PessoaRegister::cmdretorna_Click);
    onLeave(txtcodcli, [this] { txtcodcli_LostFocus(); });
    onLeave(TXTCPF, [this] { TXTCPF_LostFocus(); });
    Form_Load();
    txtcodcli->setFocus();
}

void PessoaRegister::buildLayout() {
    txtcodcli = box(this, "txtcodcli", 6, 7);
    TXTCPF = documentBox(this, "TXTCPF", 22);
    TXTRG = box(this, "TXTRG", 22, 16);
    txtnome = box(this, "txtnome", 45, 36);
    if (tabela_.apelido)
        txtcontato = box(this, "txtcontato", 30, 24);
    txtfone = box(this, "txtfone", 30, 16);
    txtnrcel = box(this, "txtnrcel", 30, 16);
    txtemail = box(this, "txtemail", 200, 36);
    txtruar = box(this, "txtruar", 45, 34);
    txtnr = box(this, "txtnr", 10, 7);
    txtcepr = box(this, "txtcepr", 8, 10);
    txtbairror = box(this, "txtbairror", 30, 20);
    txtcidader = box(this, "txtcidader", 30, 20);
    txtufr = box(this, "txtufr", 2, 3);
    txtmemo = memo(this, "txtmemo");
    cmdsalva = button(this, "cmdsalva", QStringLiteral("SALVAR"));
    cmdretorna = button(this, "cmdretorna", QStringLiteral("LIMPA"));
    Command3 = button(this, "Command3", QStringLiteral("F10 Pesquisa Nome"));
    if (tabela_.apelido)
        Command2 = button(this, "Command2", QStringLiteral("F11 Pesquisa Apelido"));

    auto* row1 = new QHBoxLayout;
    addLabelled(row1, this, QStringLiteral("CÓDIGO"), txtcodcli);
    addLabelled(row1, this, QStringLiteral("CNPJ/CPF"), TXTCPF);
    addLabelled(row1, this, QStringLiteral("IE/RG"), TXTRG);
    addLabelled(row1, this, QStringLiteral("NOME"), txtnome, 2);
    if (txtcontato != nullptr)
        addLabelled(row1, this, QStringLiteral("APELIDO"), txtcontato, 1);
    auto* row2 = new QHBoxLayout;
    addLabelled(row2, this, QStringLiteral("FONE FIXO"), txtfone);
    addLabelled(row2, this, QStringLiteral("CELULAR"), txtnrcel);
    addLabelled(row2, this, QStringLiteral("E-MAIL"), txtemail, 1);
    auto* row3 = new QHBoxLayout;
    addLabelled(row3, this, QStringLiteral("RUA"), txtruar, 2);
    addLabelled(row3, this, QStringLiteral("No"), txtnr);
    addLabelled(row3, this, QStringLiteral("CEP"), txtcepr);
    addLabelled(row3, this, QStringLiteral("BAIRRO"), txtbairror, 1);
    addLabelled(row3, this, QStringLiteral("CIDADE"), txtcidader, 1);
    addLabelled(row3, this, QStringLiteral("UF"), txtufr);
    auto* rows = new QVBoxLayout;
    rows->addLayout(row1);
    rows->addLayout(row2);
    rows->addLayout(row3);
    auto* searches = new QVBoxLayout;
    searches->addWidget(Command3);
    if (Command2 != nullptr)
        searches->addWidget(Command2);
    searches->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(rows, 1);
    top->addLayout(searches);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdsalva);
    buttons->addWidget(cmdretorna);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("INFORMAÇÕES ADICIONAIS"), this));
    layout->addWidget(txtmemo);
    layout->addLayout(buttons);
    layout->addWidget(DataGrid1, 1);
    resize(1010, 620);

    QList<QWidget*> order = {txtcodcli, TXTCPF, TXTRG, txtnome};
    if (txtcontato != nullptr)
        order << txtcontato;
    order << txtfone << txtnrcel << txtemail << txtruar << txtnr << txtcepr << txtbairror
          << txtcidader << txtufr << txtmemo << cmdsalva;
    if (Command2 != nullptr)
        order << Command2 << Command3 << cmdretorna;
    else
        order << cmdretorna << Command3;
    order << DataGrid1;
    chainTabOrder(order);
}

void PessoaRegister::Form_Load() {
    setListSource(tableList(tabela_.tabela, tabela_.nome));
}

void PessoaRegister::txtcodcli_LostFocus() {
    loadCode([this](const db::Recordset& row) { preenche(row); });
}

void PessoaRegister::preenche(const db::Recordset& row) {
    txtnrcel->setText(row.text(QStringLiteral("fonecel")));
    TXTCPF->setText(row.text(QStringLiteral("cpf")));
    TXTRG->setText(row.text(QStringLiteral("rg")));
    txtnome->setText(row.text(tabela_.nome));
    txtmemo->setPlainText(row.text(QStringLiteral("obs")));
    txtruar->setText(row.text(QStringLiteral("rua")));
    txtnr->setText(row.text(QStringLiteral("nrcasa")));
    txtemail->setText(row.text(QStringLiteral("email")));
    txtbairror->setText(row.text(QStringLiteral("bairro")));
    txtcepr->setText(row.text(QStringLiteral("cep")));
    txtcidader->setText(row.text(QStringLiteral("cidade")));
    txtufr->setText(row.text(QStringLiteral("uf")));
    txtfone->setText(row.text(QStringLiteral("fonefixo")));
    if (txtcontato != nullptr)
        txtcontato->setText(row.text(QStringLiteral("nmfant")));
}

void PessoaRegister::TXTCPF_LostFocus() {
    if (TXTCPF->text().trimmed().isEmpty())
        return;
    QString copia = TXTCPF->text();
    ValidaCpfCnpj(copia);
    if (!shared::gResultado.toBool())
        TXTCPF->clear();
}

void PessoaRegister::Command3_Click() {
    searchList(QStringLiteral("Nome: "), searchTitle_, [this](const QString& text) {
        return containsSearch(tabela_.tabela, tabela_.nome, tabela_.nome, text);
    });
}

void PessoaRegister::Command2_Click() {
    searchList(QStringLiteral("Apelido: "), searchTitle_, [this](const QString& text) {
        return containsSearch(tabela_.tabela, QStringLiteral("nmfant"), QStringLiteral("nmfant"),
                              text.toUpper());
    });
}

PessoaDados PessoaRegister::dados() const {
    return {txtnome->text(),        txtcontato != nullptr ? txtcontato->text() : QString(),
            TXTCPF->text(),         TXTRG->text(),
            txtfone->text(),        txtnrcel->text(),
            txtemail->text(),       txtruar->text(),
            txtnr->text(),          txtbairror->text(),
            txtcidader->text(),     txtufr->text(),
            txtmemo->toPlainText(), txtcepr->text()};
}

void PessoaRegister::cmdsalva_Click() {
    if (txtnome->text().trimmed().isEmpty()) {
        showNameMissing(txtnome);
        return;
    }
    const auto key = saveTarget();
    if (!key)
        return;
    const QString stamp = auditStamp();
    const bool saved = key->kind == SaveKey::Update
                           ? runUpdate(key->code, pessoaUpdate(tabela_, key->code, dados(), stamp),
                                       [this](const db::Recordset& row) { preenche(row); })
                           : runInsert(pessoaInsert(tabela_, dados(), stamp, auditStamp()));
    if (!saved)
        return;
    depoisDeGravar();
    refreshList();
    cmdretorna_Click();
}

void PessoaRegister::cmdretorna_Click() {
    LimpaTela();
    TXTCPF->setFocus();
}

void PessoaRegister::LimpaTela() {
    cmdsalva->setEnabled(true);
    for (QLineEdit* box : {txtnome, txtnr, txtnrcel, txtemail, TXTRG, txtruar, txtbairror, txtcepr,
                           txtcidader, txtufr, TXTCPF})
        box->clear();
    txtmemo->clear();
    txtcodcli->clear();
    txtfone->clear();
    if (txtcontato != nullptr)
        txtcontato->clear();
}
