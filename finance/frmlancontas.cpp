#include "finance/frmlancontas.h"

#include "finance/centro_tabela.h"
#include "finance/escrita.h"
#include "finance/frmBuscaCentroCusto.h"
#include "finance/frmBuscaSubCentroCusto.h"
#include "finance/parcelas.h"
#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/data_control.h"
#include "platform/moeda.h"
#include "platform/twips.h"
#include "registers/audit_stamp.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaFornecedor.h"
#include "registers/list_binding.h"
#include "registers/party_names.h"
#include "registers/pick.h"
#include "registers/register_codes.h"
#include "shell/date_mask.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {

// Columns at which a new column of rows begins.
bool novaColuna(int i) {
    return i == 22 || i == 45 || i == 68 || i == 91;
}

const QList<ListColumn>& colunasDaLista() {
    static const QList<ListColumn> c = {
        {QStringLiteral("ID"), QStringLiteral("idlan"), 2445, ListFormat::Code},
        {QStringLiteral("Documento No"), QStringLiteral("nrdoc"), 1515, ListFormat::Code},
        {QStringLiteral("Valor Aberto"), QStringLiteral("vrab"), 1515, ListFormat::Currency},
        {QStringLiteral("Emissão"), QStringLiteral("dte"), 945, ListFormat::Date},
        {QStringLiteral("Fornecedor"), QStringLiteral("nmfor"), 3615},
        {QStringLiteral("obs"), QStringLiteral("obs"), 3315},
    };
    return c;
}

QLabel* rotuloDeColuna(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(twipsToPixels(left), twipsToPixels(top));
    label->show();
    label->raise();
    return label;
}

void fundo(QWidget* w, const QColor& color) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
}

} // namespace

frmlancontas::frmlancontas(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmlancontas"));
    setWindowTitle(QStringLiteral("Cadastro de Contas a Pagar"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtnrdoc = box(Frame1, "txtnrdoc", 20, 16);
    txtref = box(Frame1, "txtref", 20, 16);
    txtcdfor = box(Frame1, "txtcdfor", 9, 6);
    txtnmfor = box(Frame1, "txtnmfor", 0, 30);
    txtnmfor->setReadOnly(true);
    Command3 = pickerButton(Frame1, "Command3", QStringLiteral("F2 Fornecedor"));
    txtDTe = box(Frame1, "txtDTe", 10, 10);
    txtDTe->setAlignment(Qt::AlignCenter);
    installDateMask(txtDTe);
    txtobs = box(Frame1, "txtobs", 45, 40);
    txtCdCentro = box(Frame1, "txtCdCentro", 9, 6);
    txtNmCentro = box(Frame1, "txtNmCentro", 0, 24);
    txtNmCentro->setReadOnly(true);
    Command7 = pickerButton(Frame1, "Command7", QStringLiteral("F3 Pesquisar"));
    txtCdTPd = box(Frame1, "txtCdTPd", 9, 6);
    txtNmTPd = box(Frame1, "txtNmTPd", 0, 24);
    txtNmTPd->setReadOnly(true);
    Command8 = pickerButton(Frame1, "Command8", QStringLiteral("F4 Pesquisar"));
    txtQtParc = box(Frame1, "txtQtParc", 3, 5);
    txtQtParc->setAlignment(Qt::AlignCenter);
    txtQtParc->setText(QStringLiteral("1"));
    selectAllOnEntry(txtQtParc);
    cmdVR = button(Frame1, "cmdVR", QStringLiteral("Vr Total R$ 0,00"));
    cmdVR->setFocusPolicy(Qt::NoFocus);
    QFont narrow(QStringLiteral("Arial Narrow"));
    narrow.setPointSizeF(11.25);
    narrow.setBold(true);
    for (QLineEdit* b : {txtnrdoc, txtref, txtcdfor, txtnmfor, txtDTe, txtobs})
        b->setFont(narrow);

    Adodc1 = new db::DataControl(this);
    DataGrid1 = new DataGrid(Frame1);
    listbinding::bind(Adodc1, DataGrid1, colunasDaLista());

    frmVCT = new QFrame(Frame1);
    frmVCT->setObjectName(QStringLiteral("frmVCT"));
    frmVCT->setFixedSize(twipsToPixels(13650), twipsToPixels(7680));
    fundo(frmVCT, QColor(255, 224, 192));
    // The rows are laid out for the small type of the designed screen.
    QFont miuda = frmVCT->font();
    miuda.setPointSize(8);
    miuda.setStretch(QFont::Condensed);
    frmVCT->setFont(miuda);
    lblVR.insert(0, rotuloDeColuna(frmVCT, QStringLiteral("Valor"), 105, 105));
    lblVCT.insert(0, rotuloDeColuna(frmVCT, QStringLiteral("Vecto"), 1095, 105));
    lblParcela.insert(0, rotuloDeColuna(frmVCT, QStringLiteral("Parcela"), 2100, 105));
    txtVR << caixaDeLinha(100, 350, false);
    txtVCT << caixaDeLinha(1100, 350, true);
    auto* parc0 = new QLabel(QStringLiteral("001/001"), frmVCT);
    parc0->setGeometry(twipsToPixels(2100), twipsToPixels(350), twipsToPixels(615),
                       twipsToPixels(195));
    fundo(parc0, QColor(255, 255, 192));
    lblParc << parc0;
    auto* id0 = new QLineEdit(frmVCT);
    id0->hide();
    txtIdLan << id0;
    txtVR[0]->setObjectName(QStringLiteral("txtVR"));
    txtVCT[0]->setObjectName(QStringLiteral("txtVCT"));
    parc0->setObjectName(QStringLiteral("lblParc"));
    id0->setObjectName(QStringLiteral("txtIdLan"));
    frmVCT->hide();

    cmdsalva = button(Frame1, "cmdsalva", QStringLiteral("Salvar Dados"));
    cmdexclu = button(Frame1, "cmdexclu", QStringLiteral("Excluir Dados"));
    cmdexclu->setEnabled(false);
    cmdretorna = button(Frame1, "cmdretorna", QStringLiteral("Limpa Tela"));

    auto* linha1 = new QHBoxLayout;
    addLabelled(linha1, Frame1, QStringLiteral("Documento No"), txtnrdoc);
    addLabelled(linha1, Frame1, QStringLiteral("Referente"), txtref);
    addLabelled(linha1, Frame1, QStringLiteral("Fornecedor"), txtcdfor);
    addLabelled(linha1, Frame1, QString(), txtnmfor, 1);
    linha1->addWidget(Command3, 0, Qt::AlignBottom);
    auto* linha2 = new QHBoxLayout;
    addLabelled(linha2, Frame1, QStringLiteral("Emissão"), txtDTe);
    addLabelled(linha2, Frame1, QStringLiteral("OBS"), txtobs, 1);
    auto* linha3 = new QHBoxLayout;
    addLabelled(linha3, Frame1, QStringLiteral("Centro de Custo"), txtCdCentro);
    addLabelled(linha3, Frame1, QString(), txtNmCentro, 1);
    linha3->addWidget(Command7, 0, Qt::AlignBottom);
    addLabelled(linha3, Frame1, QStringLiteral("SubCentro"), txtCdTPd);
    addLabelled(linha3, Frame1, QString(), txtNmTPd, 1);
    linha3->addWidget(Command8, 0, Qt::AlignBottom);
    addLabelled(linha3, Frame1, QStringLiteral("QT.P * Max.115"), txtQtParc);
    linha3->addWidget(cmdVR, 0, Qt::AlignBottom);
    // The instalment panel lies over the list, in the same place.
    auto* centro = new QGridLayout;
    centro->addWidget(DataGrid1, 0, 0);
    centro->addWidget(scrollingPanel(frmVCT), 0, 0);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdsalva);
    botoes->addWidget(cmdexclu);
    botoes->addWidget(cmdretorna);
    botoes->addStretch();
    auto* frame = new QVBoxLayout(Frame1);
    frame->addLayout(linha1);
    frame->addLayout(linha2);
    frame->addLayout(linha3);
    frame->addLayout(centro, 1);
    frame->addLayout(botoes);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame1);
    resize(twipsToPixels(14130), twipsToPixels(11055));

    chainTabOrder({txtnrdoc, txtref, txtcdfor, txtDTe, txtobs, txtCdCentro, txtCdTPd, txtQtParc,
                   txtVR[0], txtVCT[0], cmdsalva, cmdexclu, cmdretorna, Command3, Command7,
                   Command8, DataGrid1});

    bindKey(Qt::Key_F2, Command3);
    bindKey(Qt::Key_F3, Command7);
    bindKey(Qt::Key_F4, Command8);
    connect(Command3, &QPushButton::clicked, this, &frmlancontas::Command3_Click);
    connect(Command7, &QPushButton::clicked, this, &frmlancontas::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &frmlancontas::Command8_Click);
    connect(txtnrdoc, &QLineEdit::textChanged, this, &frmlancontas::redigitado);
    connect(txtcdfor, &QLineEdit::textChanged, this, &frmlancontas::txtcdfor_Change);
    connect(txtCdCentro, &QLineEdit::textChanged, this, &frmlancontas::txtCdCentro_Change);
    connect(txtCdTPd, &QLineEdit::textChanged, this, &frmlancontas::txtCdTPd_Change);
    connect(DataGrid1, &DataGrid::rowSelected, this, &frmlancontas::DataGrid1_DblClick);
    connect(cmdsalva, &QPushButton::clicked, this, &frmlancontas::cmdsalva_Click);
    connect(cmdexclu, &QPushButton::clicked, this, &frmlancontas::cmdexclu_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &frmlancontas::cmdretorna_Click);
    onLeave(txtcdfor, [this] { txtcdfor_LostFocus(); });
    onLeave(txtQtParc, [this] { txtQtParc_LostFocus(); });
    Form_Load();
}

QLineEdit* frmlancontas::caixaDeLinha(int left, int top, bool data) {
    auto* b = new QLineEdit(frmVCT);
    b->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(950), twipsToPixels(285));
    b->setFont(frmVCT->font());
    b->setAlignment(Qt::AlignCenter);
    selectAllOnEntry(b);
    if (data)
        installDateMask(b);
    b->show();
    b->raise();
    return b;
}

void frmlancontas::Form_Load() {
    encontrado = QStringLiteral("N");
    txtDTe->setText(dates::toBr(QDate::currentDate()));
    listbinding::setSource(Adodc1, DataGrid1, lancamento::lista());
    try {
        shared::abreConexao();
    } catch (const db::DbError& e) {
        dlg::showError(e);
    }
}

void frmlancontas::Command3_Click() {
    pickInto<frmBuscaFornecedor>(this, txtcdfor);
}

void frmlancontas::Command7_Click() {
    pickInto<frmBuscaCentroCusto>(this, txtCdCentro);
}

void frmlancontas::Command8_Click() {
    pickInto<frmBuscaSubCentroCusto>(this, txtCdTPd);
}

void frmlancontas::buscaNome(QLineEdit* code, QLineEdit* name,
                             const std::function<Statement(qint64)>& statement) {
    name->clear();
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        name->setText(leNome(cn, code->text(), statement).value_or(QString()));
    });
}

void frmlancontas::txtcdfor_Change() {
    redigitado();
    buscaNome(txtcdfor, txtnmfor, fornecedorNome);
}

void frmlancontas::redigitado() {
    if (encontrado == QLatin1String("S") &&
        lancamento::mudou(lido_, txtnrdoc->text(), txtcdfor->text()))
        cmdexclu->setEnabled(false);
}

void frmlancontas::txtCdCentro_Change() {
    buscaNome(txtCdCentro, txtNmCentro, [](qint64 c) { return centroNome(centrosDeCusto(), c); });
}

void frmlancontas::txtCdTPd_Change() {
    buscaNome(txtCdTPd, txtNmTPd, [](qint64 c) { return centroNome(subCentrosDeCusto(), c); });
}

void frmlancontas::destrava(bool livre) {
    txtQtParc->setEnabled(livre);
    txtVR[0]->setEnabled(livre);
    txtVCT[0]->setEnabled(livre);
}

void frmlancontas::txtcdfor_LostFocus() {
    if (!isNumeric(txtcdfor->text()))
        return;
    const auto cdfor = wholeCode(txtcdfor->text());
    db::Recordset r;
    if (cdfor) {
        try {
            BusyGuard busy;
            const Statement s = lancamento::leitura(txtnrdoc->text(), *cdfor);
            r = shared::gCn().query(s);
        } catch (const db::DbError& e) {
            dlg::showError(e);
            return;
        }
    }
    // Nothing stored under what is typed: a new document keeps what was typed
    // for it (as after a refusal that sent the user back to this box), and a
    // stored one whose number or supplier was retyped stays the one shown, so
    // the save moves it (or refuses to) instead of storing it a second time.
    if (r.isEmpty() && (encontrado != QLatin1String("S") ||
                        lancamento::mudou(lido_, txtnrdoc->text(), txtcdfor->text())))
        return;
    frmVCT->hide();
    txtDTe->setText(dates::toBr(QDate::currentDate()));
    txtobs->clear();
    txtCdCentro->clear();
    txtCdTPd->clear();
    encontrado = QStringLiteral("N");
    cmdexclu->setEnabled(false);
    // A document read afresh locks only its own paid rows.
    destrava(true);
    if (r.isEmpty())
        return;
    encontrado = QStringLiteral("S");
    lido_ = {txtnrdoc->text(), *cdfor};
    linhas_ = db::LoadedRows::of(r);
    cmdexclu->setEnabled(true);
    txtref->setText(r.text(QStringLiteral("refdoc")));
    if (const auto dte = r.date(QStringLiteral("dte")))
        txtDTe->setText(dates::toBr(*dte));
    txtobs->setText(r.text(QStringLiteral("obs")));
    txtCdCentro->setText(r.text(QStringLiteral("cdcen")));
    txtCdTPd->setText(r.text(QStringLiteral("cdscen")));
    txtQtParc->setText(QString::number(r.text(QStringLiteral("parcela")).right(3).toInt()));
    LimpaParcelas();
    // As many rows as are stored, whatever count their labels carry.
    montaLinhas(static_cast<int>(r.rowCount()));
    totalLido_ = Decimal();
    for (int i = 0; !r.eof(); r.moveNext(), ++i) {
        const Decimal vrorig = r.decimal(QStringLiteral("vrorig"));
        totalLido_ = totalLido_ ? totalLido_->plus(vrorig, Decimal::kAmount) : std::nullopt;
        txtVR[i]->setText(lancamento::valorTexto(vrorig));
        const auto dtv = r.date(QStringLiteral("dtv"));
        txtVCT[i]->setText(dtv ? dates::toBr(*dtv) : QString());
        lblParc[i]->setText(r.text(QStringLiteral("parcela")));
        txtIdLan[i]->setText(r.text(QStringLiteral("idlan")));
        if (lancamento::travada(r.text(QStringLiteral("pago")),
                                r.decimal(QStringLiteral("vrpg")))) {
            txtVR[i]->setEnabled(false);
            txtVCT[i]->setEnabled(false);
            txtQtParc->setEnabled(false);
        }
    }
    mostraPainel();
}

void frmlancontas::mostraPainel() {
    frmVCT->show();
    frmVCT->raise();
}

void frmlancontas::txtQtParc_LostFocus() {
    const auto contagem = parcelas::quantidade(txtQtParc->text());
    if (const auto* aviso = std::get_if<dlg::Message>(&contagem)) {
        refuse(*aviso, txtQtParc);
        return;
    }
    const int n = std::get<int>(contagem);
    LimpaParcelas();
    std::optional<Decimal> valor;
    while (!valor) {
        const auto typed = dlg::dialogs().input(
            {QStringLiteral("VALOR DA PRIMEIRA PARCELA:"), QStringLiteral("CONTAS A PAGAR"), {}});
        if (!typed || program::ending())
            return;
        valor = lancamento::primeiroValor(*typed);
    }
    std::optional<QDate> primeiro;
    while (!primeiro) {
        const auto typed = dlg::dialogs().input(
            {QStringLiteral("DATA DO PRIMEIRO VENCIMENTO:"), QStringLiteral("CONTAS A PAGAR"), {}});
        if (!typed || program::ending())
            return;
        switch (lancamento::primeiroVencimento(*typed, QDate::currentDate())) {
        case lancamento::PrimeiroVencimento::NaoEData:
            break;
        case lancamento::PrimeiroVencimento::Retroativo:
            dlg::show(lancamento::vencimentoRetroativo());
            break;
        case lancamento::PrimeiroVencimento::Aceito:
            primeiro = dates::parseTyped(*typed);
            break;
        }
    }
    BusyGuard busy;
    mostraPainel();
    txtVR[0]->setText(lancamento::valorTexto(*valor));
    txtVCT[0]->setText(dates::toBr(*primeiro));
    lblParc[0]->setText(parcelas::rotulo(1, n));
    txtIdLan[0]->setText(lancamento::chave(txtnrdoc->text(), lblParc[0]->text(), txtcdfor->text()));
    montaLinhas(n);
    for (int i = 1; i < n; ++i) {
        txtVR[i]->setText(txtVR[i - 1]->text());
        txtVCT[i]->setText(dates::toBr(parcelas::vencimento(*primeiro, i)));
        lblParc[i]->setText(parcelas::rotulo(i + 1, n));
        txtIdLan[i]->setText(
            lancamento::chave(txtnrdoc->text(), lblParc[i]->text(), txtcdfor->text()));
    }
    txtVCT[0]->selectAll();
    txtVR[0]->setFocus();
    txtVR[0]->selectAll();
}

void frmlancontas::MontaParcelas() {
    const auto contagem = parcelas::quantidade(txtQtParc->text());
    if (const int* n = std::get_if<int>(&contagem))
        montaLinhas(*n);
}

void frmlancontas::montaLinhas(int total) {
    if (total <= 1)
        return;
    int left = 100;
    int top = 350 + 300;
    lblParc[0]->setText(parcelas::rotulo(1, total));
    for (int i = 1; i < total; ++i) {
        txtVR << caixaDeLinha(left, top, false);
        txtVCT << caixaDeLinha(left + 1000, top, true);
        auto* parc = new QLabel(frmVCT);
        parc->setGeometry(twipsToPixels(left + 2000), twipsToPixels(top), twipsToPixels(950),
                          twipsToPixels(285));
        fundo(parc, QColor(255, 255, 192));
        parc->show();
        parc->raise();
        lblParc << parc;
        auto* id = new QLineEdit(frmVCT);
        id->hide();
        txtIdLan << id;
        QWidget::setTabOrder(txtVCT[i - 1], txtVR[i]);
        QWidget::setTabOrder(txtVR[i], txtVCT[i]);
        if (novaColuna(i)) {
            left += 2665;
            top = 350;
            lblVR.insert(i, rotuloDeColuna(frmVCT, QStringLiteral("Valor"), left, 105));
            lblVCT.insert(i, rotuloDeColuna(frmVCT, QStringLiteral("Vecto"), left + 1000, 105));
            lblParcela.insert(i,
                              rotuloDeColuna(frmVCT, QStringLiteral("Parcela"), left + 2000, 105));
        } else {
            top += 320;
        }
    }
}

void frmlancontas::LimpaParcelas() {
    // A click may be giving one of these boxes the focus right now, and the
    // rebuild runs while it does: they are hidden at once and deleted once
    // that is over.
    QList<QWidget*> saem;
    while (txtVR.size() > 1)
        saem << txtVR.takeLast() << txtVCT.takeLast() << lblParc.takeLast() << txtIdLan.takeLast();
    for (QMap<int, QLabel*>* headings : {&lblVR, &lblVCT, &lblParcela}) {
        for (auto it = headings->begin(); it != headings->end();) {
            if (it.key() == 0) {
                ++it;
                continue;
            }
            saem << it.value();
            it = headings->erase(it);
        }
    }
    if (saem.contains(QApplication::focusWidget()))
        txtVR[0]->setFocus();
    for (QWidget* w : saem) {
        w->hide();
        w->deleteLater();
    }
}

void frmlancontas::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    if (row < 0)
        return;
    // A row of the list names its own document, never the one shown retyped.
    encontrado = QStringLiteral("N");
    txtnrdoc->setText(listbinding::text(Adodc1, row, QStringLiteral("nrdoc")));
    txtcdfor->setText(listbinding::text(Adodc1, row, QStringLiteral("cdfor")));
    txtcdfor_LostFocus();
}

lancamento::Documento frmlancontas::documento() const {
    return {txtnrdoc->text(), txtref->text(),  txtcdfor->text(),    txtnmfor->text(),
            txtDTe->text(),   txtobs->text(),  txtCdCentro->text(), txtNmCentro->text(),
            txtCdTPd->text(), txtNmTPd->text()};
}

std::vector<lancamento::Parcela> frmlancontas::parcelas() const {
    std::vector<lancamento::Parcela> out;
    for (qsizetype i = 0; i < txtVR.size(); ++i)
        out.push_back({txtVR[i]->text(), txtVCT[i]->text(), lblParc[i]->text(), txtIdLan[i]->text(),
                       !txtVR[i]->isEnabled()});
    return out;
}

void frmlancontas::cmdsalva_Click() {
    const lancamento::Documento doc = documento();
    std::vector<lancamento::Parcela> linhas = parcelas();
    Decimal total;
    const auto aviso = lancamento::confere(doc, linhas, QDate::currentDate(), total);
    for (std::size_t i = 0; i < linhas.size(); ++i)
        txtVR[static_cast<qsizetype>(i)]->setText(linhas[i].valor);
    if (aviso) {
        refuse(aviso->mensagem, caixa(*aviso));
        return;
    }
    const lancamento::Gravacao modo = encontrado != QLatin1String("S")
                                          ? lancamento::Gravacao::Nova
                                          : (txtQtParc->isEnabled() ? lancamento::Gravacao::Regrava
                                                                    : lancamento::Gravacao::Altera);
    if (const auto troca = lancamento::confereTroca(modo, lido_, doc)) {
        dlg::show(*troca);
        return;
    }
    mostraTotal(total);
    QApplication::processEvents();
    if (!dlg::ask(QStringLiteral("Confirma?"), QStringLiteral("Atenção")))
        return;
    lancamento::Resultado resultado = lancamento::Resultado::Gravado;
    const auto desfecho = escrita::executa(this, [&](db::Connection& cn) {
        resultado = lancamento::grava(cn, doc, linhas, modo, lido_, linhas_, auditStamp());
    });
    if (desfecho == escrita::Desfecho::Falhou)
        return;
    if (desfecho == escrita::Desfecho::Conflito)
        resultado = lancamento::Resultado::Alterado;
    if (recusado(resultado))
        return;
    encontrado = QStringLiteral("N");
    cmdretorna_Click();
}

QWidget* frmlancontas::caixa(const parcelas::Recusa& recusa) const {
    using Campo = parcelas::Recusa::Campo;
    switch (recusa.campo) {
    case Campo::Documento:
        return txtnrdoc;
    case Campo::Referente:
        return txtref;
    case Campo::Fornecedor:
        return txtcdfor;
    case Campo::Emissao:
        return txtDTe;
    case Campo::Centro:
        return txtCdCentro;
    case Campo::SubCentro:
        return txtCdTPd;
    case Campo::Valor:
        return txtVR.value(recusa.linha);
    case Campo::Vencimento:
        return txtVCT.value(recusa.linha);
    case Campo::Quantidade:
    case Campo::Nenhum:
        break;
    }
    return nullptr;
}

bool frmlancontas::recusado(lancamento::Resultado resultado) {
    switch (resultado) {
    case lancamento::Resultado::Gravado:
        return false;
    case lancamento::Resultado::JaExiste:
        dlg::show(lancamento::documentoJaExiste());
        break;
    case lancamento::Resultado::NaoEncontrado:
        dlg::show(lancamento::documentoNaoEncontrado());
        break;
    case lancamento::Resultado::ComParcelaPaga:
        dlg::show(lancamento::naoPodeExcluir());
        break;
    case lancamento::Resultado::Alterado:
        dlg::show(lancamento::documentoAlterado());
        recarrega();
        break;
    }
    return true;
}

void frmlancontas::recarrega() {
    if (encontrado == QLatin1String("S")) {
        txtnrdoc->setText(lido_.nrdoc);
        txtcdfor->setText(QString::number(lido_.cdfor));
    }
    txtcdfor_LostFocus();
    // The total shown is that of the rows read again.
    if (encontrado == QLatin1String("S") && totalLido_)
        mostraTotal(*totalLido_);
}

void frmlancontas::mostraTotal(const Decimal& total) {
    cmdVR->setText(QStringLiteral("Vr Total: ") + moeda(total));
}

void frmlancontas::cmdexclu_Click() {
    if (!cmdexclu->isEnabled())
        return;
    cmdexclu->setEnabled(false);
    if (!txtQtParc->isEnabled()) {
        dlg::show(lancamento::naoPodeExcluir());
        return;
    }
    if (encontrado != QLatin1String("S") ||
        !dlg::ask(QStringLiteral("Confirma a exclusão?"), QStringLiteral("Atenção")))
        return;
    auto resultado = lancamento::Resultado::Gravado;
    const auto desfecho = escrita::executa(
        this, [&](db::Connection& cn) { resultado = lancamento::exclui(cn, lido_, linhas_); });
    if (desfecho == escrita::Desfecho::Falhou)
        return;
    if (desfecho == escrita::Desfecho::Conflito)
        resultado = lancamento::Resultado::Alterado;
    if (recusado(resultado))
        return;
    cmdretorna_Click();
}

void frmlancontas::cmdretorna_Click() {
    {
        BusyGuard busy;
        LimpaTela();
        txtQtParc->setText(QStringLiteral("1"));
        txtnrdoc->clear();
        cmdexclu->setEnabled(false);
        // A new document may be planned again after a partly paid one.
        destrava(true);
        listbinding::refresh(Adodc1, DataGrid1);
    }
    txtnrdoc->setFocus();
}

void frmlancontas::LimpaTela() {
    encontrado = QStringLiteral("N");
    LimpaParcelas();
    frmVCT->hide();
    for (QLineEdit* b : {txtCdTPd, txtCdCentro, txtNmCentro, txtcdfor, txtnmfor, txtref, txtobs})
        b->clear();
}

void frmlancontas::escPressed() {
    // Typed instalments are not dropped by a stray Esc: "Limpa Tela" first.
    if (!frmVCT->isHidden())
        return;
    Adodc1->close();
    close();
}
