#include "finance/baixa_form.h"

#include "finance/escrita.h"
#include "finance/frmCPagar_BaixaPendente.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/data_control.h"
#include "registers/form_widgets.h"
#include "registers/list_binding.h"
#include "registers/register_codes.h"
#include "shell/auto_resize.h"
#include "shell/date_mask.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace formwidgets;

namespace {

QLabel* legenda(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* total(QWidget* parent, const char* name) {
    auto* l = new QLabel(QStringLiteral("A pagar: R$ 0,00 M.Pagto: R$ 0,00"), parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Arial Black"));
    f.setPointSize(10);
    l->setFont(f);
    return l;
}

// A hidden frame leaves its room to the lists.
QGroupBox* quadro(QWidget* parent, const char* name) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->hide();
    return g;
}

} // namespace

BaixaForm::BaixaForm(QWidget* parent, const Desenho& desenho)
    : DataForm(parent), desenho_(desenho) {
    txtNrRec = box(this, "txtNrRec", 22, 22);
    txtNrRec->setReadOnly(true);
    txtDtBX = box(this, "txtDtBX", 10, 12);
    installDateMask(txtDtBX);
    txtCdFor = box(this, "txtCdFor", 9, 7);
    txtNmFor = box(this, "txtNmFor", 45, 30);
    Command2 = button(this, "Command2", QStringLiteral("F10 Listar"));
    Command18 = button(this, "Command18", QStringLiteral("Baixas Pendentes"));
    for (int i = 0; i < recibo::meios().size(); ++i) {
        const QByteArray name = "Command" + QByteArray::number(3 + i);
        QPushButton* b = button(this, name.constData(), recibo::meios().at(i).legenda);
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, [this, i] { escolheMeio(i); });
        meios << b;
    }
    Command10 = button(this, "Command10", QStringLiteral("F12 Encerrar"));
    Command10->setEnabled(false);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    lST = total(this, "lST");
    lPG = total(this, "lPG");

    Adodc1 = new db::DataControl(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    DataGrid1 = new DataGrid(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    listbinding::bindShares(Adodc1, DataGrid1, desenho.colunasAbertas);
    Adodc2 = new db::DataControl(this);
    Adodc2->setObjectName(QStringLiteral("Adodc2"));
    DataGrid2 = new DataGrid(this);
    DataGrid2->setObjectName(QStringLiteral("DataGrid2"));
    listbinding::bindShares(Adodc2, DataGrid2, desenho.colunasRecibo);

    frmDest = quadro(this, "frmDest");
    lPro = new QLabel(frmDest);
    lPro->setObjectName(QStringLiteral("lPro"));
    txtVRa = amountBox(frmDest, "txtVRa");
    txtVRa->setReadOnly(true);
    txtVRj = amountBox(frmDest, "txtVRj");
    txtVRd = amountBox(frmDest, "txtVRd");
    txtVRt = amountBox(frmDest, "txtVRt");
    txtVRt->setReadOnly(true);
    Command15 = button(frmDest, "Command15", QStringLiteral("Salvar"));
    Command14 = button(frmDest, "Command14", QStringLiteral("Sair"));
    Command13 = button(frmDest, "Command13", QStringLiteral("F11 >>"));
    Command12 = button(frmDest, "Command12", QStringLiteral("F12 <<"));
    item_ = new QGridLayout;
    const QList<QPair<QString, QWidget*>> linhasDoItem = {
        {QStringLiteral("DOCUMENTO"), lPro},  {QStringLiteral("Vr Documento"), txtVRa},
        {QStringLiteral("Juros"), txtVRj},    {QStringLiteral("Descontos"), txtVRd},
        {QStringLiteral("Vr Total"), txtVRt},
    };
    for (const auto& [rotulo, caixa] : linhasDoItem)
        linhaDoItem(rotulo, caixa);
    auto* botoesItem = new QHBoxLayout;
    for (QPushButton* b : {Command15, Command14, Command13, Command12})
        botoesItem->addWidget(b);
    auto* destLayout = new QVBoxLayout(frmDest);
    destLayout->addLayout(item_);
    destLayout->addLayout(botoesItem);

    frmMP = quadro(this, "frmMP");
    lMP = new QLabel(frmMP);
    lMP->setObjectName(QStringLiteral("lMP"));
    txtVrMp = amountBox(frmMP, "txtVrMp");
    txtobs = box(frmMP, "txtobs", 0, 30);
    Command16 = button(frmMP, "Command16", QStringLiteral("Salvar"));
    Command17 = button(frmMP, "Command17", QStringLiteral("Sair"));
    auto* mp = new QGridLayout(frmMP);
    mp->addWidget(new QLabel(QStringLiteral("ESPECIE"), frmMP), 0, 0);
    mp->addWidget(lMP, 0, 1);
    mp->addWidget(new QLabel(QStringLiteral("Valor"), frmMP), 1, 0);
    mp->addWidget(txtVrMp, 1, 1);
    mp->addWidget(new QLabel(QStringLiteral("Histórico"), frmMP), 2, 0);
    mp->addWidget(txtobs, 2, 1);
    auto* botoesMp = new QHBoxLayout;
    botoesMp->addWidget(Command16);
    botoesMp->addWidget(Command17);
    mp->addLayout(botoesMp, 3, 0, 1, 2);

    auto* topo = new QHBoxLayout;
    addLabelled(topo, this, QStringLiteral("Recibo No"), txtNrRec);
    addLabelled(topo, this, QStringLiteral("Data Recibo"), txtDtBX);
    addLabelled(topo, this, desenho.codigo, txtCdFor);
    addLabelled(topo, this, QString(), txtNmFor, 1);
    botoesRecibo_ = new QHBoxLayout;
    topo->addLayout(botoesRecibo_);
    auto* grades = new QGridLayout;
    grades->addWidget(legenda(this, desenho.listaAberta), 0, 0);
    grades->addWidget(DataGrid1, 1, 0);
    grades->addWidget(legenda(this, desenho.listaRecibo), 2, 0);
    grades->addWidget(DataGrid2, 3, 0);
    grades->addWidget(frmDest, 1, 1, Qt::AlignTop);
    grades->addWidget(frmMP, 3, 1, Qt::AlignTop);
    grades->setColumnStretch(0, 1);
    auto* pagamento = new QHBoxLayout;
    for (QPushButton* b : meios)
        pagamento->addWidget(b);
    pagamento->addStretch();
    pagamento->addWidget(Command10);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addLayout(grades, 1);
    layout->addLayout(pagamento);
    layout->addWidget(List1);
    layout->addWidget(lST);
    layout->addWidget(lPG);
    List1->setFixedHeight(90);
    resize(1000, 720);
    Resize = AutoResize::attach(this);

    // The keys the captions name, while their buttons are there to press: F12
    // steps back in the item frame and closes the receipt otherwise.
    for (int i = 0; i < meios.size(); ++i)
        bindKeyWhileShown(Qt::Key_F3 + i, meios.at(i));
    bindKeyWhileShown(Qt::Key_F12, Command12);
    bindKeyWhileShown(Qt::Key_F12, Command10);

    connect(Command16, &QPushButton::clicked, this, &BaixaForm::Command16_Click);
    connect(Command17, &QPushButton::clicked, this, &BaixaForm::Command17_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &BaixaForm::List1_DblClick);
    connect(Command10, &QPushButton::clicked, this, &BaixaForm::Command10_Click);
    connect(txtNrRec, &QLineEdit::textChanged, this, [this](const QString& nrrec) {
        if (nrrec.trimmed().isEmpty())
            Command10->setEnabled(false);
    });
    connect(Command13, &QPushButton::clicked, this, &BaixaForm::Command13_Click);
    connect(Command12, &QPushButton::clicked, this, &BaixaForm::Command12_Click);
    connect(DataGrid1, &DataGrid::rowSelected, this, [this] { DataGrid1_DblClick(); });
    connect(DataGrid2, &DataGrid::rowSelected, this, [this] { DataGrid2_DblClick(); });
    onLeave(txtVRj, [this] { CalculaTotal(); });
    onLeave(txtVRd, [this] { CalculaTotal(); });
    Form_Load();
}

void BaixaForm::Form_Load() {
    Adodc1->setConnectionString(shared::gConexao);
    Adodc2->setConnectionString(shared::gConexao);
}

void BaixaForm::mostraNome(const QString& nome) {
    txtNmFor->setText(nome);
    txtNmFor->setCursorPosition(0);
}

void BaixaForm::escolheCodigo(const std::function<void()>& picker) {
    shared::gCodigoPesquisa.clear();
    picker();
    if (program::ending())
        return;
    if (isNumeric(shared::gCodigoPesquisa))
        txtCdFor->setText(shared::gCodigoPesquisa.trimmed());
    shared::gCodigoPesquisa.clear();
    txtCdFor->setFocus();
}

QString BaixaForm::escolheReciboPendente(const QString& modo) {
    shared::gCodigoPesquisa.clear();
    shared::gNomePesquisa = modo;
    frmCPagar_BaixaPendente(this).exec();
    return program::ending() ? QString() : shared::gCodigoPesquisa.trimmed();
}

void BaixaForm::botoesDoRecibo(const QList<QPushButton*>& botoes) {
    for (QPushButton* b : botoes)
        botoesRecibo_->addWidget(b, 0, Qt::AlignBottom);
}

void BaixaForm::linhaDoItem(const QString& rotulo, QWidget* caixa) {
    const int row = item_->rowCount();
    item_->addWidget(new QLabel(rotulo, frmDest), row, 0);
    item_->addWidget(caixa, row, 1);
}

bool BaixaForm::previewKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2) {
        buscaParte();
        return true;
    }
    return DataForm::previewKey(event);
}

bool BaixaForm::mostrando(QWidget* frame) const {
    return !frame->isHidden();
}

void BaixaForm::mostra(QWidget* frame, QWidget* focus) {
    frame->show();
    frame->raise();
    focus->setFocus();
}

QStringList BaixaForm::linhas() const {
    QStringList out;
    for (int i = 0; i < List1->count(); ++i)
        out << List1->item(i)->text();
    return out;
}

BaixaForm::Escrita
BaixaForm::escreve(const std::function<std::optional<dlg::Message>(db::Connection&)>& escrita) {
    std::optional<dlg::Message> recusa;
    switch (escrita::executa(nullptr, [&](db::Connection& cn) { recusa = escrita(cn); })) {
    case escrita::Desfecho::Falhou:
        return Escrita::Falhou;
    case escrita::Desfecho::Conflito:
        recusa = recibo::parcelaAlterada();
        break;
    case escrita::Desfecho::Feita:
        break;
    }
    if (!recusa)
        return Escrita::Feita;
    dlg::show(*recusa);
    return Escrita::Recusada;
}

std::optional<QString> BaixaForm::novoNumero() {
    std::optional<QString> nrrec;
    if (!shared::withConnection(nullptr, [&](db::Connection& cn) {
            nrrec = recibo::reservaNumero(cn, shared::gUsuario);
        }))
        return std::nullopt;
    if (!nrrec)
        dlg::show(recibo::semNumeroLivre());
    return nrrec;
}

bool BaixaForm::reciboIniciado() const {
    return !txtNrRec->text().trimmed().isEmpty();
}

void BaixaForm::escondeQuadros() {
    frmDest->hide();
    frmMP->hide();
}

int BaixaForm::linhaAberta(const QString& coluna, const QString& chave) const {
    const int count = DataGrid1->model() != nullptr ? DataGrid1->model()->rowCount() : 0;
    for (int row = 0; row < count; ++row) {
        if (listbinding::text(Adodc1, row, coluna) == chave)
            return row;
    }
    return -1;
}

void BaixaForm::depoisDeAdicionar(const QString& coluna, const QString& chave, Escrita escrita) {
    const int antes = linhaAberta(coluna, chave);
    listbinding::refresh(Adodc1, DataGrid1);
    listbinding::refresh(Adodc2, DataGrid2);
    // The receipt's totals and payment buttons follow every item saved; a
    // refused one leaves them for the closing to tell what became of the
    // receipt.
    if (escrita == Escrita::Feita)
        TotalizaRecibo();
    // A settled instalment leaves the list: the next one takes its place,
    // and after the last one the list starts again.
    int linha = linhaAberta(coluna, chave);
    const int count = DataGrid1->model()->rowCount();
    if (linha < 0 && count > 0)
        linha = antes >= 0 && antes < count ? antes : 0;
    DataGrid1->setCurrentRow(linha);
    DataGrid1_DblClick();
    txtVRj->setFocus();
}

void BaixaForm::ativaPagamento(bool ativo) {
    DataGrid2->setEnabled(ativo);
    for (QPushButton* b : meios)
        b->setEnabled(ativo);
    Command10->setEnabled(ativo && !txtNrRec->text().trimmed().isEmpty());
}

void BaixaForm::recusaItem(const dlg::Message& recusa, std::initializer_list<QLineEdit*> caixas) {
    const auto semValor = std::find_if(caixas.begin(), caixas.end(), [](const QLineEdit* caixa) {
        return !Decimal::parse(caixa->text(), false, Decimal::kAmount);
    });
    refuse(recusa, semValor != caixas.end() ? *semValor : *std::prev(caixas.end()));
}

void BaixaForm::mostraItem(int row, const QString& documento) {
    const auto aberto = Decimal::fromSql(listbinding::text(Adodc1, row, QStringLiteral("vrab")));
    txtVRa->setText(recibo::texto(aberto.value_or(Decimal())));
    txtVRj->setText(QStringLiteral("0"));
    txtVRd->setText(QStringLiteral("0"));
    txtVRt->setText(txtVRa->text());
    selecionaValores();
    lPro->setText(documento);
    if (!mostrando(frmDest))
        mostra(frmDest, txtVRj);
}

void BaixaForm::escolheMeio(int meio) {
    if (!meios.at(meio)->isEnabled())
        return;
    lMP->setText(recibo::meios().at(meio).rotulo);
    txtVrMp->clear();
    txtobs->clear();
    mostra(frmMP, txtVrMp);
}

void BaixaForm::Command16_Click() {
    Decimal valor;
    if (const auto aviso = recibo::confereValor(txtVrMp->text(), valor)) {
        dlg::show(*aviso);
        return;
    }
    List1->addItem(recibo::linha(valor, lMP->text().left(3), txtobs->text()));
    TotalizaMeiosPagamento();
    frmMP->hide();
}

void BaixaForm::Command17_Click() {
    frmMP->hide();
}

void BaixaForm::List1_DblClick() {
    QListWidgetItem* item = List1->currentItem();
    if (item == nullptr || !dlg::ask(QStringLiteral("Estorna o item?"), QStringLiteral("Atenção")))
        return;
    delete item;
    TotalizaMeiosPagamento();
}

void BaixaForm::Command10_Click() {
    if (!Command10->isEnabled())
        return;
    if (!reciboIniciado()) {
        dlg::show(recibo::reciboNaoIniciado());
        return;
    }
    if (totalPagamentos != totalRecibo) {
        dlg::show(recibo::divergencia());
        return;
    }
    // A settlement with no date would never be reported.
    const auto dtbx = dates::parseBr(txtDtBX->text());
    if (!dtbx) {
        dlg::show(recibo::dadosInvalidos());
        return;
    }
    if (!dlg::ask(QStringLiteral("Confirma a baixa?"), QStringLiteral("Atenção")))
        return;
    Command10->setEnabled(false);
    auto baixa = recibo::Baixa::Feita;
    const QString nrrec = txtNrRec->text();
    const auto desfecho = escrita::executa(this, [&](db::Connection& cn) {
        baixa = recibo::encerra(cn, nrrec, *dtbx, linhas(), fechamento(nrrec, *dtbx));
    });
    if (desfecho == escrita::Desfecho::Falhou) {
        Command10->setEnabled(true);
        return;
    }
    if (desfecho == escrita::Desfecho::Conflito || baixa == recibo::Baixa::Divergente) {
        // Another window changed the receipt: show what it holds now.
        dlg::show(desfecho == escrita::Desfecho::Conflito ? recibo::parcelaAlterada()
                                                          : recibo::divergencia());
        TotalizaRecibo();
        TotalizaMeiosPagamento();
        return;
    }
    // Closed here or elsewhere, the receipt is done with: the screen is made
    // ready for the next one.
    dlg::show(baixa == recibo::Baixa::Feita ? recibo::sucesso() : recibo::reciboEncerrado());
    escondeQuadros();
    List1->clear();
    totalRecibo = Decimal();
    totalPagamentos = Decimal();
    limpaAposBaixa();
}

void BaixaForm::passo(int delta) {
    const int target = DataGrid1->currentRow() + delta;
    if (target < 0 || target >= DataGrid1->model()->rowCount())
        return;
    DataGrid1->setCurrentRow(target);
    DataGrid1_DblClick();
}

void BaixaForm::Command13_Click() {
    passo(1);
    txtVRj->setFocus();
}

void BaixaForm::Command12_Click() {
    passo(-1);
}

void BaixaForm::CalculaTotal() {
    const auto total = recibo::calculaTotal(txtVRa->text(), txtVRj->text(), txtVRd->text());
    if (!total)
        return;
    txtVRj->setText(total->juros);
    txtVRd->setText(total->descontos);
    txtVRt->setText(total->total);
    selecionaValores();
}

void BaixaForm::selecionaValores() {
    if (selecionaJurosEDescontos) {
        txtVRj->selectAll();
        txtVRd->selectAll();
    }
}
