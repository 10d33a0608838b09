#include "registers/frmcadcli.h"

#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "registers/audit_stamp.h"
#include "registers/cliente_statements.h"
#include "registers/consulta_cnpj.h"
#include "registers/endereco_cep.h"
#include "registers/form_widgets.h"
#include "registers/search_statements.h"
#include "shell/cpf_cnpj.h"
#include "shell/date_mask.h"
#include "shell/funcoes.h"
#include "shell/shared_state.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {

constexpr int kDateLength = 10;
const QString kSearchTitle = QStringLiteral("Pesquisa cliente já cadastrado");

QString today() {
    return dates::toBr(QDate::currentDate());
}

} // namespace

frmcadcli::frmcadcli(QWidget* parent)
    : RegisterForm(
          parent, QStringLiteral("cliente"), QStringLiteral("cdcli"),
          {{QStringLiteral("NOME"), QStringLiteral("nmcli"), 4185},
           {QStringLiteral("APELIDO"), QStringLiteral("nmfant"), 2400},
           {QStringLiteral("CPF/CNPJ"), QStringLiteral("cpf"), 1515, ListFormat::Code},
           {QStringLiteral("FONE FIXO"), QStringLiteral("fonefixo"), 1515, ListFormat::Code},
           {QStringLiteral("CELULAR"), QStringLiteral("fonecel"), 1515, ListFormat::Code},
           {QStringLiteral("MUNICIPIO"), QStringLiteral("cidade"), 2385},
           {QStringLiteral("CÓDIGO"), QStringLiteral("cdcli"), 870, ListFormat::Code}}) {
    setObjectName(QStringLiteral("frmcadcli"));
    setWindowTitle(QStringLiteral("CLIENTES"));
    buildLayout();
    setCodeBox(txtcodcli);
    selectAllOnEntry(txtcodcli);
    selectAllOnEntry(TXTCPF);
    installDateMask(txtdtcad);
    installDateMask(txtdtnasc);
    connect(txtdtnasc, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() <= kDateLength)
            txtdtnasc->setMaxLength(kDateLength);
    });

    bindKey(Qt::Key_F10, Command3);
    bindKey(Qt::Key_F11, Command2);
    connect(cmdsalva, &QPushButton::clicked, this, &frmcadcli::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &frmcadcli::cmdretorna_Click);
    connect(Command3, &QPushButton::clicked, this, &frmcadcli::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frmcadcli::Command2_Click);
    onLeave(txtcodcli, [this] { txtcodcli_LostFocus(); });
    onLeave(TXTCPF, [this] { TXTCPF_LostFocus(); });
    onLeave(txtcepr, [this] { txtcepr_LostFocus(); });
    Form_Load();
    txtdtcad->setFocus();
}

void frmcadcli::buildLayout() {
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    QWidget* f = Frame1;
    txtcodcli = box(f, "txtcodcli", 6, 7);
    txtdtcad = box(f, "txtdtcad", 10, 11);
    TXTCPF = documentBox(f, "TXTCPF", 22);
    TXTRG = box(f, "TXTRG", 22, 16);
    txtdtnasc = box(f, "txtdtnasc", 10, 13);
    txtnome = box(f, "txtnome", 45, 36);
    txtcontato = box(f, "txtcontato", 30, 26);
    txtFone = box(f, "txtFone", 30, 16);
    txtnrcel = box(f, "txtnrcel", 30, 16);
    txtemail = box(f, "txtemail", 200, 36);
    txtcepr = box(f, "txtcepr", 8, 10);
    txtruar = box(f, "txtruar", 45, 34);
    txtNr = box(f, "txtNr", 10, 7);
    txtbairror = box(f, "txtbairror", 30, 20);
    txtcidader = box(f, "txtcidader", 30, 20);
    txtufr = box(f, "txtufr", 2, 3);
    txtCdMun = box(f, "txtCdMun", 0, 10);
    txtCdMun->setEnabled(false);
    txtmemo = memo(f, "txtmemo");
    cmdsalva = button(f, "cmdsalva", QStringLiteral("SALVAR"));
    cmdretorna = button(f, "cmdretorna", QStringLiteral("LIMPA"));
    Command3 = button(f, "Command3", QStringLiteral("F10 Pesquisa Nome"));
    Command2 = button(f, "Command2", QStringLiteral("F11 Pesquisa Apelido"));
    DataGrid1->setParent(f);

    auto* row1 = new QHBoxLayout;
    addLabelled(row1, f, QStringLiteral("CÓDIGO"), txtcodcli);
    addLabelled(row1, f, QStringLiteral("DT.CADASTRO"), txtdtcad);
    addLabelled(row1, f, QStringLiteral("CNPJ/CPF"), TXTCPF);
    addLabelled(row1, f, QStringLiteral("IE/RG"), TXTRG);
    addLabelled(row1, f, QStringLiteral("Dt.NASCIMENTO"), txtdtnasc);
    addLabelled(row1, f, QStringLiteral("NOME"), txtnome, 1);
    row1->addWidget(Command3, 0, Qt::AlignTop);
    row1->addWidget(Command2, 0, Qt::AlignTop);
    auto* row2 = new QHBoxLayout;
    addLabelled(row2, f, QStringLiteral("APELIDO"), txtcontato, 1);
    addLabelled(row2, f, QStringLiteral("FONE FIXO"), txtFone);
    addLabelled(row2, f, QStringLiteral("CELULAR"), txtnrcel);
    addLabelled(row2, f, QStringLiteral("E-MAIL"), txtemail, 2);
    auto* row3 = new QHBoxLayout;
    addLabelled(row3, f, QStringLiteral("CEP"), txtcepr);
    addLabelled(row3, f, QStringLiteral("RUA"), txtruar, 2);
    addLabelled(row3, f, QStringLiteral("No"), txtNr);
    addLabelled(row3, f, QStringLiteral("BAIRRO"), txtbairror, 1);
    addLabelled(row3, f, QStringLiteral("CIDADE"), txtcidader, 1);
    addLabelled(row3, f, QStringLiteral("UF"), txtufr);
    auto* municipio = new QHBoxLayout;
    municipio->addWidget(txtCdMun);
    municipio->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdsalva);
    buttons->addWidget(cmdretorna);

    auto* inner = new QVBoxLayout(Frame1);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addLayout(row1);
    inner->addLayout(row2);
    inner->addLayout(row3);
    inner->addLayout(municipio);
    inner->addWidget(new QLabel(QStringLiteral("INFORMAÇÕES ADICIONAIS"), f));
    inner->addWidget(txtmemo);
    inner->addLayout(buttons);
    inner->addWidget(DataGrid1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    resize(1010, 640);

    chainTabOrder({txtdtcad,   TXTCPF,     TXTRG,     txtdtnasc, txtnome,  txtcontato,
                   txtFone,    txtnrcel,   txtemail,  txtcepr,   txtruar,  txtNr,
                   txtbairror, txtcidader, txtufr,    txtmemo,   cmdsalva, txtcodcli,
                   cmdretorna, Command3,   DataGrid1, Command2});
}

void frmcadcli::Form_Load() {
    setListSource(tableList(QStringLiteral("cliente"), QStringLiteral("nmcli")));
    txtdtcad->setText(today());
}

void frmcadcli::txtcodcli_LostFocus() {
    bool loaded = false;
    {
        BusyGuard busy(Frame1);
        loaded = loadCode([this](const db::Recordset& row) { preenche(row); });
    }
    // The client loaded is gone through from the first box, not from "LIMPA".
    if (loaded)
        txtdtcad->setFocus();
}

void frmcadcli::preenche(const db::Recordset& row) {
    const auto nascimento = row.date(QStringLiteral("dtnascimento"));
    const QString textoNascimento =
        nascimento ? dates::toBr(*nascimento) : QStringLiteral("Não Informado");
    // The note is longer than a typed date may be.
    txtdtnasc->setMaxLength(std::max<int>(kDateLength, textoNascimento.size()));
    txtdtnasc->setText(textoNascimento);
    txtnrcel->setText(row.text(QStringLiteral("fonecel")));
    TXTCPF->setText(row.text(QStringLiteral("cpf")));
    TXTRG->setText(row.text(QStringLiteral("rg")));
    txtnome->setText(row.text(QStringLiteral("nmcli")));
    txtmemo->setPlainText(row.text(QStringLiteral("obs")));
    txtruar->setText(row.text(QStringLiteral("rua")));
    txtNr->setText(row.text(QStringLiteral("nrcasa")));
    txtemail->setText(row.text(QStringLiteral("email")));
    txtbairror->setText(row.text(QStringLiteral("bairro")));
    txtcepr->setText(row.text(QStringLiteral("cep")));
    txtcidader->setText(row.text(QStringLiteral("cidade")));
    txtufr->setText(row.text(QStringLiteral("uf")));
    txtFone->setText(row.text(QStringLiteral("fonefixo")));
    txtcontato->setText(row.text(QStringLiteral("nmfant")));
    const auto cadastro = row.date(QStringLiteral("dtcadastro"));
    txtdtcad->setText(cadastro ? dates::toBr(*cadastro) : QString());
}

void frmcadcli::TXTCPF_LostFocus() {
    const QString texto = TXTCPF->text();
    if (texto.trimmed().isEmpty())
        return;
    QString copia = texto;
    ValidaCpfCnpj(copia);
    if (!shared::gResultado.toBool()) {
        TXTCPF->clear();
        return;
    }
    if (texto.trimmed().size() != 14)
        return;
    if (!dlg::ask(QStringLiteral("Buscar dados cadastrais na receita?"), QStringLiteral("Atenção")))
        return;
    preencheDaReceita();
}

void frmcadcli::preencheDaReceita() {
    RespostaCnpj resposta;
    std::optional<DadosEmpresa> dados;
    {
        BusyGuard busy;
        resposta = ConsultarCNPJ(TXTCPF->text());
        dados = dadosEmpresa(resposta);
        if (dados) {
            txtnome->setText(dados->nome);
            txtcontato->setText(dados->fantasia);
            txtcepr->setText(dados->cep);
            txtruar->setText(dados->logradouro);
            txtNr->setText(dados->numero);
            txtbairror->setText(dados->bairro);
            txtcidader->setText(dados->municipio);
            txtufr->setText(dados->uf);
            txtemail->setText(dados->email);
            const QString ibge = ibgeDoCep(txtcepr->text());
            if (!ibge.isEmpty())
                txtCdMun->setText(ibge.mid(2, 10));
        }
    }
    if (!dados)
        dlg::inform(falhaDaConsulta(resposta), QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
}

void frmcadcli::txtcepr_LostFocus() {
    if (txtcepr->text().trimmed().size() != 8)
        return;
    std::optional<QStringList> partes;
    {
        BusyGuard busy;
        partes = partesEndereco(BuscaCep(txtcepr->text()));
    }
    if (!partes)
        return;
    txtruar->setText(partes->at(0));
    txtbairror->setText(partes->at(1));
    txtcidader->setText(partes->at(2));
    txtufr->setText(partes->at(3));
    txtCdMun->setText(partes->at(4));
}

void frmcadcli::Command3_Click() {
    searchList(QStringLiteral("Nome: "), kSearchTitle, [](const QString& text) {
        return containsSearch(QStringLiteral("cliente"), QStringLiteral("nmcli"),
                              QStringLiteral("nmcli"), text);
    });
}

void frmcadcli::Command2_Click() {
    searchList(QStringLiteral("Apelido: "), kSearchTitle, [](const QString& text) {
        return containsSearch(QStringLiteral("cliente"), QStringLiteral("nmfant"),
                              QStringLiteral("nmfant"), text.toUpper());
    });
}

void frmcadcli::cmdsalva_Click() {
    auto nascimento = dates::parseBr(txtdtnasc->text());
    if (!nascimento &&
        !dlg::ask(QStringLiteral("Atenção!!! Data de nascimento não informada ou inválida!\n"
                                 "Prosseguir assim mesmo?"),
                  QStringLiteral("Atençã")))
        return;
    if (txtnome->text().trimmed().isEmpty()) {
        showNameMissing(txtnome);
        return;
    }
    const auto cadastro = dates::parseBr(txtdtcad->text());
    if (!cadastro) {
        refuse(dlg::alerta(QStringLiteral("--- ERRO --- DATA DE CADASTRO INCORRETA!")), txtdtcad);
        return;
    }
    if (!grava(nascimento, *cadastro))
        return;
    refreshList();
    cmdretorna_Click();
}

bool frmcadcli::grava(std::optional<QDate> nascimento, const QDate& cadastro) {
    BusyGuard busy(Frame1);
    const auto key = saveTarget();
    if (!key)
        return false;
    const ClienteDados dados{txtnome->text(),
                             txtcontato->text(),
                             cadastro,
                             nascimento.value_or(cadastro),
                             TXTCPF->text(),
                             TXTRG->text(),
                             txtFone->text(),
                             txtnrcel->text(),
                             txtemail->text(),
                             txtruar->text(),
                             txtNr->text(),
                             txtbairror->text(),
                             txtcidader->text(),
                             txtufr->text(),
                             txtmemo->toPlainText(),
                             txtcepr->text()};
    const QString stamp = auditStamp();
    if (key->kind == SaveKey::Update)
        return runUpdate(key->code, clienteUpdate(key->code, dados, stamp),
                         [this](const db::Recordset& row) { preenche(row); });
    return runInsert(clienteInsert(dados, stamp, auditStamp()));
}

void frmcadcli::cmdretorna_Click() {
    LimpaTela();
    TXTCPF->setFocus();
}

void frmcadcli::LimpaTela() {
    txtCdMun->clear();
    cmdsalva->setEnabled(true);
    for (QLineEdit* box : {txtdtnasc, txtnome, txtNr, txtnrcel, txtemail, TXTRG, txtruar,
                           txtbairror, txtcepr, txtcidader, txtufr, TXTCPF})
        box->clear();
    txtmemo->clear();
    txtdtnasc->setMaxLength(kDateLength);
    txtdtcad->setText(today());
    txtcodcli->clear();
    txtFone->clear();
    txtcontato->clear();
}
