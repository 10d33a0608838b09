#include "service_orders/frmOS_GerFinan.h"

#include "finance/parcelas.h"
#include "platform/busy_guard.h"
#include "platform/dates.h"
#include "platform/db/connection.h"
#include "platform/dialogs.h"
#include "platform/moeda.h"
#include "registers/audit_stamp.h"
#include "registers/form_widgets.h"
#include "service_orders/order_boxes.h"
#include "service_orders/order_header.h"
#include "service_orders/order_lock.h"
#include "service_orders/receivables_plan.h"
#include "shell/date_mask.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace formwidgets;

namespace {

// A column of rows holds 23 instalments; five columns hold the 115.
constexpr int kLinhasPorColuna = 23;

// Wide enough for a whole date.
QLineEdit* caixaDaLinha(QWidget* parent, const char* name) {
    QLineEdit* box = formwidgets::box(parent, name, 0, 8);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 4);
    selectAllOnEntry(box);
    return box;
}

} // namespace

frmOS_GerFinan::frmOS_GerFinan(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmOS_GerFinan"));
    setWindowTitle(QStringLiteral("Ordem de Serviço - A Receber"));
    txtOsNR = box(this, "txtOsNR", 0, 10);
    txtOsNR->hide();
    txtnrdoc = box(this, "txtnrdoc", 0, 14);
    txtcdfor = box(this, "txtcdfor", 0, 8);
    txtnmfor = box(this, "txtnmfor", 0, 36);
    txtVrDif = box(this, "txtVrDif", 0, 14);
    for (QLineEdit* locked : {txtnrdoc, txtcdfor, txtnmfor, txtVrDif})
        formwidgets::setDisplayOnly(locked);
    txtDTe = box(this, "txtDTe", 10, 11);
    installDateMask(txtDTe);
    txtQtParc = box(this, "txtQtParc", 3, 5);
    txtQtParc->setText(QStringLiteral("1"));
    selectAllOnEntry(txtQtParc);
    cmdsalva = button(this, "cmdsalva", QStringLiteral("Salvar Dados"));
    cmdretorna = button(this, "cmdretorna", QStringLiteral("Novo Plano"));

    frmVCT = new QGroupBox(this);
    frmVCT->setObjectName(QStringLiteral("frmVCT"));
    grade_ = new QGridLayout(frmVCT);
    grade_->setHorizontalSpacing(4);
    grade_->setVerticalSpacing(2);
    criaTitulos(0, 0);
    txtVR.append(caixaDaLinha(frmVCT, "txtVR"));
    txtVCT.append(caixaDaLinha(frmVCT, "txtVCT"));
    installDateMask(txtVCT.first());
    lblParc.append(new QLabel(QStringLiteral("001/001"), frmVCT));
    lblParc.first()->setObjectName(QStringLiteral("lblParc"));
    txtIdLan.append(box(frmVCT, "txtIdLan", 0, 16));
    txtIdLan.first()->hide();
    grade_->addWidget(txtVR.first(), 1, 0);
    grade_->addWidget(txtVCT.first(), 1, 1);
    grade_->addWidget(lblParc.first(), 1, 2);
    for (int column = 3; column < 4 * 5; column += 4)
        grade_->setColumnMinimumWidth(column, 6);
    grade_->setRowStretch(kLinhasPorColuna + 1, 1);
    grade_->setColumnStretch(4 * 5, 1);
    frmVCT->hide();

    auto* topo = new QHBoxLayout;
    addLabelled(topo, this, QStringLiteral("Emissão"), txtDTe);
    addLabelled(topo, this, QStringLiteral("QT.P * Max.115"), txtQtParc);
    addLabelled(topo, this, QStringLiteral("Valor Total da Ordem"), txtnrdoc);
    addLabelled(topo, this, QStringLiteral("Cliente"),
                orderboxes::codigoENome(this, txtcdfor, txtnmfor), 1);
    addLabelled(topo, this, QStringLiteral("Valor Já Recebido"), txtVrDif);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdsalva);
    botoes->addWidget(cmdretorna);
    botoes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addLayout(botoes);
    // A plan of many rows scrolls rather than growing past the screen.
    layout->addWidget(scrollingPanel(frmVCT), 1);
    layout->addStretch();
    resize(1040, 720);

    chainTabOrder({txtDTe, txtQtParc, txtVR.first(), txtVCT.first(), cmdsalva, cmdretorna});
    connect(cmdsalva, &QPushButton::clicked, this, &frmOS_GerFinan::cmdsalva_Click);
    connect(cmdretorna, &QPushButton::clicked, this, &frmOS_GerFinan::cmdretorna_Click);
    onLeave(txtQtParc, [this] { txtQtParc_LostFocus(); });
    txtDTe->setFocus();
}

void frmOS_GerFinan::criaTitulos(int index, int column) {
    const struct {
        QMap<int, QLabel*>& array;
        const char* name;
        const char* caption;
    } titulos[] = {{lblVR, "lblVR", "Valor"},
                   {lblVCT, "lblVCT", "Vecto"},
                   {lblParcela, "lblParcela", "Parcela"}};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(titulos[i].caption), frmVCT);
        label->setObjectName(QString::fromLatin1(titulos[i].name));
        titulos[i].array.insert(index, label);
        grade_->addWidget(label, 0, 4 * column + i);
    }
}

void frmOS_GerFinan::criaLinha(int i) {
    const int column = i / kLinhasPorColuna;
    const int row = i % kLinhasPorColuna + 1;
    if (row == 1)
        criaTitulos(i - 1, column);
    QLineEdit* valor = caixaDaLinha(frmVCT, "txtVR");
    QLineEdit* vencimento = caixaDaLinha(frmVCT, "txtVCT");
    installDateMask(vencimento);
    auto* rotulo = new QLabel(frmVCT);
    rotulo->setObjectName(QStringLiteral("lblParc"));
    QLineEdit* chave = box(frmVCT, "txtIdLan", 0, 16);
    chave->hide();
    grade_->addWidget(valor, row, 4 * column);
    grade_->addWidget(vencimento, row, 4 * column + 1);
    grade_->addWidget(rotulo, row, 4 * column + 2);
    QWidget::setTabOrder(txtVCT.last(), valor);
    QWidget::setTabOrder(valor, vencimento);
    txtVR.append(valor);
    txtVCT.append(vencimento);
    lblParc.append(rotulo);
    txtIdLan.append(chave);
}

void frmOS_GerFinan::MontaParcelas() {
    const auto n = orderheader::parteInteira(txtQtParc->text()).value_or(0);
    montaLinhas(static_cast<int>(n), static_cast<int>(n));
}

void frmOS_GerFinan::montaLinhas(int rows, int quantidade) {
    if (rows <= 1)
        return;
    lblParc.first()->setText(parcelas::rotulo(1, quantidade));
    while (txtVR.size() < rows)
        criaLinha(static_cast<int>(txtVR.size()));
}

void frmOS_GerFinan::LimpaParcelas() {
    // The rows may hold the focus that is just moving: they go once it has.
    while (txtVR.size() > 1) {
        txtVR.takeLast()->deleteLater();
        txtVCT.takeLast()->deleteLater();
        lblParc.takeLast()->deleteLater();
        txtIdLan.takeLast()->deleteLater();
    }
    for (QMap<int, QLabel*>* titulos : {&lblVR, &lblVCT, &lblParcela}) {
        for (auto it = titulos->begin(); it != titulos->end();) {
            if (it.key() == 0) {
                ++it;
                continue;
            }
            it.value()->deleteLater();
            it = titulos->erase(it);
        }
    }
}

void frmOS_GerFinan::mostraQuadro() {
    frmVCT->show();
    frmVCT->raise();
}

void frmOS_GerFinan::showEvent(QShowEvent* event) {
    DataForm::showEvent(event);
    Form_Activate();
}

void frmOS_GerFinan::Form_Activate() {
    if (primeiraAtivacao_ != QLatin1String("N"))
        return;
    primeiraAtivacao_ = QStringLiteral("S");
    receivables::PlanoLido plano;
    if (const auto osnr = orderheader::parteInteira(txtOsNR->text()))
        shared::withConnection(nullptr,
                               [&](db::Connection& cn) { plano = receivables::le(cn, *osnr); });
    linhas_ = plano.linhas;
    lidas_ = plano.parcelas;
    recebido_ = plano.recebido;
    liquidado_ = plano.liquidado;
    if (plano.emissao)
        txtDTe->setText(dates::toBr(*plano.emissao));
    if (!plano.parcelas.isEmpty()) {
        txtQtParc->setText(QString::number(plano.quantidade));
        LimpaParcelas();
        montaLinhas(plano.quantidade, plano.quantidade);
        for (int k = 0; k < plano.parcelas.size(); ++k) {
            const receivables::ParcelaLida& parcela = plano.parcelas.at(k);
            preencheLinha(k, parcela.nrdoc, parcela.vrorig, parcela.dtv, parcela.recebida);
            if (parcela.recebida)
                travadas_.append(parcela);
        }
        mostraQuadro();
    }
    txtVrDif->setText(moeda(plano.recebido));
}

void frmOS_GerFinan::preencheLinha(int i, const QString& nrdoc, const Decimal& valor,
                                   const std::optional<QDate>& vencimento, bool travada) {
    txtVR[i]->setText(valor.toBr(2, false));
    txtVCT[i]->setText(vencimento ? dates::toBr(*vencimento) : QString());
    lblParc[i]->setText(receivables::rotulo(nrdoc));
    txtIdLan[i]->setText(nrdoc);
    // Money was received on it: it keeps its value and due date.
    txtVR[i]->setEnabled(!travada);
    txtVCT[i]->setEnabled(!travada);
}

void frmOS_GerFinan::mostraTravadas() {
    const int quantidade = static_cast<int>(travadas_.size());
    LimpaParcelas();
    montaLinhas(quantidade, quantidade);
    for (int k = 0; k < travadas_.size(); ++k) {
        const receivables::ParcelaLida& travada = travadas_.at(k);
        preencheLinha(k, travada.nrdoc, travada.vrorig, travada.dtv, true);
    }
}

void frmOS_GerFinan::txtQtParc_LostFocus() {
    const auto contagem =
        parcelas::quantidade(txtQtParc->text(), std::max(1, static_cast<int>(travadas_.size())));
    if (const auto* aviso = std::get_if<dlg::Message>(&contagem)) {
        refuse(*aviso, txtQtParc);
        return;
    }
    const int n = std::get<int>(contagem);
    if (!travadas_.isEmpty()) {
        refazEmVoltaDasTravadas(n);
        return;
    }
    LimpaParcelas();
    const Decimal valor =
        receivables::valorParcela(Decimal::parse(txtnrdoc->text()).value_or(Decimal()), n);
    QDate primeiro;
    for (;;) {
        const auto resposta = dlg::dialogs().input(
            {QStringLiteral("DATA DO PRIMEIRO VENCIMENTO:"), QStringLiteral("CONTAS A PAGAR"), {}});
        if (!resposta)
            return;
        const auto data = receivables::data(*resposta);
        if (!data)
            continue;
        if (receivables::muitoRetroativo(*data, QDate::currentDate())) {
            dlg::inform(
                QStringLiteral("--- ERRO --- VENCIMENTO MUITO RETROATIVO ACIMA DE 10 (DEZ) DIAS!"),
                QStringLiteral("ATENÇÃO"), dlg::Icon::Exclamation);
            continue;
        }
        primeiro = *data;
        break;
    }
    const qint64 osnr = orderheader::parteInteira(txtOsNR->text()).value_or(0);
    {
        BusyGuard busy;
        mostraQuadro();
        txtVR[0]->setText(valor.toBr(2, false));
        txtVCT[0]->setText(dates::toBr(primeiro));
        lblParc[0]->setText(parcelas::rotulo(1, n));
        txtIdLan[0]->setText(receivables::nrdoc(osnr, 1, n));
        montaLinhas(n, n);
        for (int i = 1; i < n; ++i) {
            txtVR[i]->setText(txtVR[i - 1]->text());
            txtVCT[i]->setText(dates::toBr(parcelas::vencimento(primeiro, i)));
            lblParc[i]->setText(parcelas::rotulo(i + 1, n));
            txtIdLan[i]->setText(receivables::nrdoc(osnr, i + 1, n));
        }
    }
    txtVCT[0]->selectAll();
    txtVR[0]->setFocus();
    txtVR[0]->selectAll();
}

void frmOS_GerFinan::refazEmVoltaDasTravadas(int quantidade) {
    const qint64 osnr = orderheader::parteInteira(txtOsNR->text()).value_or(0);
    const auto refeito = receivables::refazEmVolta(
        osnr, Decimal::parse(txtnrdoc->text()).value_or(Decimal()), liquidado_, lidas_, quantidade);
    if (const auto* aviso = std::get_if<dlg::Message>(&refeito)) {
        dlg::dialogs().show(*aviso);
        return;
    }
    const auto& linhas = std::get<QList<receivables::ParcelaLida>>(refeito);
    QLineEdit* primeira = nullptr;
    {
        BusyGuard busy;
        LimpaParcelas();
        montaLinhas(static_cast<int>(linhas.size()), quantidade);
        for (int i = 0; i < linhas.size(); ++i) {
            const receivables::ParcelaLida& linha = linhas.at(i);
            preencheLinha(i, linha.nrdoc, linha.vrorig, linha.dtv, linha.recebida);
            if (!primeira && !linha.recebida)
                primeira = txtVR[i];
        }
        mostraQuadro();
    }
    if (!primeira) {
        cmdsalva->setFocus();
        return;
    }
    primeira->setFocus();
    primeira->selectAll();
}

void frmOS_GerFinan::cmdretorna_Click() {
    // The received rows stay in any plan: only the untouched ones go.
    if (!travadas_.isEmpty()) {
        mostraTravadas();
        return;
    }
    LimpaParcelas();
    frmVCT->hide();
}

void frmOS_GerFinan::cmdsalva_Click() {
    receivables::PlanoDigitado digitado{txtOsNR->text(),
                                        txtnrdoc->text(),
                                        txtcdfor->text(),
                                        txtnmfor->text(),
                                        txtVrDif->text(),
                                        txtDTe->text(),
                                        {},
                                        !frmVCT->isHidden(),
                                        liquidado_,
                                        !aprovacao_ && travadas_.isEmpty() && recebido_.isZero() &&
                                            !lidas_.isEmpty()};
    for (int i = 0; i < txtVR.size(); ++i)
        digitado.parcelas.append(
            {txtVR[i]->text(), txtVCT[i]->text(), lblParc[i]->text(), txtIdLan[i]->text()});
    const auto conferido = receivables::confere(digitado, QDate::currentDate());
    for (int i = 0; i < txtVR.size(); ++i)
        txtVR[i]->setText(digitado.parcelas.at(i).valor);
    if (const auto* recusa = std::get_if<parcelas::Recusa>(&conferido)) {
        refuse(recusa->mensagem, caixa(*recusa));
        return;
    }
    QApplication::processEvents();
    if (!dlg::ask(QStringLiteral("Confirma?"), QStringLiteral("Atenção")))
        return;
    orderheader::Gravado gravado;
    if (!shared::withConnection(this, [&](db::Connection& cn) {
            gravado =
                receivables::grava(cn, std::get<receivables::PlanoGravacao>(conferido), linhas_,
                                   auditStamp(), aprovacao_ ? &*aprovacao_ : nullptr);
        }))
        return;
    // No plan can be saved here any more: the window that opened it tells
    // why and shows the order as it is now.
    if (orderlock::sumiu(gravado.recusa) || gravado.salvo.outcome != db::Overwrite::Saved) {
        ordem_ = gravado;
        close();
        return;
    }
    if (gravado.recusa) {
        dlg::show(*gravado.recusa);
        return;
    }
    if (aprovacao_)
        ordem_ = gravado;
    shared::gRetorno = QStringLiteral("S");
    accept();
}

QWidget* frmOS_GerFinan::caixa(const parcelas::Recusa& recusa) const {
    using Campo = parcelas::Recusa::Campo;
    switch (recusa.campo) {
    case Campo::Emissao:
        return txtDTe;
    case Campo::Quantidade:
        return txtQtParc;
    case Campo::Valor:
        return txtVR.value(recusa.linha);
    case Campo::Vencimento:
        return txtVCT.value(recusa.linha);
    default:
        return nullptr;
    }
}

void frmOS_GerFinan::escPressed() {
    // Typed instalments are not dropped by a stray Esc: "Novo Plano" first.
    if (frmVCT->isHidden())
        close();
}
