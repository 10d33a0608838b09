#include "service_orders/order_header_form.h"

#include "platform/dates.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaVendedor.h"
#include "registers/pick.h"
#include "registers/register_codes.h"
#include "service_orders/frmOS_GerFinan.h"
#include "service_orders/order_boxes.h"
#include "service_orders/order_header.h"
#include "service_orders/order_lock.h"
#include "service_orders/order_status.h"
#include "shell/date_mask.h"
#include "shell/program_end.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

OrderHeaderForm::OrderHeaderForm(QWidget* parent, int primeira, int ultima)
    : DataForm(parent), primeira_(primeira), ultima_(ultima) {
    txtOsNo = box(this, "txtOsNo", 0, 10);
    txtOsNo->setReadOnly(true);
    txtDt = box(this, "txtDt", 10, 11);
    installDateMask(txtDt);
    cboSit = new QComboBox(this);
    cboSit->setObjectName(QStringLiteral("cboSit"));
    orderstatus::preenche(cboSit, primeira_, ultima_);
    txtCdCli = box(this, "txtCdCli", 0, 8);
    txtNmCli = box(this, "txtNmCli", 50, 40);
    txtCNPJ = box(this, "txtCNPJ", 22, 18);
    txtIE = box(this, "txtIE", 22, 16);
    txtRua = box(this, "txtRua", 50, 40);
    txtNr = box(this, "txtNr", 10, 8);
    txtBairro = box(this, "txtBairro", 30, 24);
    txtCep = box(this, "txtCep", 8, 10);
    txtCidade = box(this, "txtCidade", 40, 30);
    txtUF = box(this, "txtUF", 2, 4);
    txtNmSol = box(this, "txtNmSol", 30, 30);
    txtFone = box(this, "txtFone", 30, 24);
    txtCdVen = box(this, "txtCdVen", 0, 8);
    txtNmVen = box(this, "txtNmVen", 30, 30);
    for (QLineEdit* locked :
         {txtNmCli, txtCNPJ, txtIE, txtRua, txtNr, txtBairro, txtCep, txtCidade, txtUF, txtNmVen})
        formwidgets::setDisplayOnly(locked);
    txtIA = memo(this, "txtIA");

    connect(txtOsNo, &QLineEdit::textChanged, this, &OrderHeaderForm::txtOsNo_Change);
    connect(txtCdCli, &QLineEdit::textChanged, this, &OrderHeaderForm::txtCdCli_Change);
    connect(txtCdVen, &QLineEdit::textChanged, this, &OrderHeaderForm::txtCdVen_Change);
    onLeave(txtOsNo, [this] { txtOsNo_LostFocus(); });
    onLeave(txtCdCli, [this] { txtCdCli_LostFocus(); });

    txtDt->setText(dates::toBr(QDate::currentDate()));
    txtOsNo->setFocus();
}

QHBoxLayout* OrderHeaderForm::linhaDoNumero(const QList<QPushButton*>& botoes) {
    auto* linha = new QHBoxLayout;
    addLabelled(linha, this, QStringLiteral("OS No"), txtOsNo);
    addLabelled(linha, this, QStringLiteral("Data"), txtDt);
    addLabelled(linha, this, QStringLiteral("Situação"), cboSit);
    linha->addStretch();
    for (QPushButton* botao : botoes)
        linha->addWidget(botao, 0, Qt::AlignBottom);
    return linha;
}

void OrderHeaderForm::linhasDoCabecalho(QVBoxLayout* layout) {
    auto* cliente = new QHBoxLayout;
    addLabelled(cliente, this, QStringLiteral("Cliente - F2 Pesquisa"),
                orderboxes::codigoENome(this, txtCdCli, txtNmCli), 1);
    addLabelled(cliente, this, QStringLiteral("Cnpj"), txtCNPJ);
    addLabelled(cliente, this, QStringLiteral("I.E."), txtIE);
    auto* endereco = new QHBoxLayout;
    addLabelled(endereco, this, QStringLiteral("Endereço"), txtRua, 1);
    addLabelled(endereco, this, QStringLiteral("Nr"), txtNr);
    addLabelled(endereco, this, QStringLiteral("Bairro"), txtBairro);
    addLabelled(endereco, this, QStringLiteral("Cep"), txtCep);
    addLabelled(endereco, this, QStringLiteral("Cidade"), txtCidade);
    addLabelled(endereco, this, QStringLiteral("UF"), txtUF);
    auto* solicitante = new QHBoxLayout;
    addLabelled(solicitante, this, QStringLiteral("Solicitante"), txtNmSol);
    addLabelled(solicitante, this, QStringLiteral("Fone(s)"), txtFone);
    addLabelled(solicitante, this, QStringLiteral("Colaborador - F3 Pesquisa"),
                orderboxes::codigoENome(this, txtCdVen, txtNmVen), 1);
    auto* informacoes = new QHBoxLayout;
    addLabelled(informacoes, this, QStringLiteral("Informações Adicionais"), txtIA, 1);
    for (QHBoxLayout* row : {cliente, endereco, solicitante, informacoes})
        layout->addLayout(row);
}

void OrderHeaderForm::txtOsNo_Change() {
    txtDt->setText(dates::toBr(QDate::currentDate()));
    for (QLineEdit* emptied : {txtCdCli, txtNmSol, txtFone, txtCdVen})
        emptied->clear();
    txtIA->clear();
    orderstatus::preenche(cboSit, primeira_, ultima_);
    carregado_.clear();
    lida_ = {};
}

void OrderHeaderForm::txtCdCli_Change() {
    for (QLineEdit* emptied :
         {txtNmCli, txtCNPJ, txtIE, txtRua, txtNr, txtBairro, txtCep, txtCidade, txtUF})
        emptied->clear();
}

void OrderHeaderForm::txtCdCli_LostFocus() {
    orderlookups::carregaCliente(txtCdCli->text(), {txtNmCli, txtCNPJ, txtIE, txtRua, txtNr, txtCep,
                                                    txtBairro, txtCidade, txtUF});
}

void OrderHeaderForm::txtCdVen_Change() {
    txtNmVen->setText(orderlookups::nomeColaborador(txtCdVen->text()));
}

bool OrderHeaderForm::carregaOrdem() {
    const QString numero = txtOsNo->text();
    if (!numero.trimmed().isEmpty() && !isNumeric(numero)) {
        dlg::show(orderlock::numeroInvalido());
        txtOsNo->setFocus();
        return false;
    }
    if (numero.trimmed().isEmpty() || numero == carregado_)
        return false;
    carregado_ = numero;
    lida_ = orderlookups::carregaCabecalho(*orderheader::parteInteira(numero), cabecalho());
    apenasConsulta(orderstatus::concluida(orderstatus::digito(cboSit)));
    txtCdCli_LostFocus();
    return true;
}

bool OrderHeaderForm::cabecalhoCompleto() {
    if (orderheader::completo({txtCdCli->text(), txtNmCli->text(), txtCdVen->text(),
                               txtNmVen->text(), txtNmSol->text(), txtDt->text()}))
        return true;
    dlg::inform(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"), QStringLiteral("ATENÇÃO"),
                dlg::Icon::Information);
    return false;
}

bool OrderHeaderForm::gravaCabecalho() {
    return mostraGravado(orderlookups::gravaCabecalho(txtOsNo, cabecalho(), lida_));
}

bool OrderHeaderForm::recusado(const orderheader::Gravado& gravado, bool recarrega) {
    if (orderlock::sumiu(gravado.recusa)) {
        dlg::show(*gravado.recusa);
        limpaOrdem();
        return true;
    }
    if (gravado.recusa) {
        dlg::show(*gravado.recusa);
        return true;
    }
    if (gravado.salvo.outcome != db::Overwrite::Saved) {
        dlg::show(orderlock::ordemAlterada());
        if (recarrega) {
            carregado_.clear();
            txtOsNo_LostFocus();
        }
        return true;
    }
    return false;
}

bool OrderHeaderForm::mostraGravado(std::optional<orderheader::Gravado> gravado) {
    if (!gravado || recusado(*gravado))
        return false;
    gravado->salvo.stored.moveLast();
    lida_ = db::LoadedRow::of(gravado->salvo.stored);
    apenasConsulta(orderstatus::concluida(orderstatus::digito(cboSit)));
    dlg::inform(QStringLiteral("Salvo com sucesso!"), QStringLiteral("Atenção"),
                dlg::Icon::Information);
    return true;
}

void OrderHeaderForm::limpaOrdem() {
    txtOsNo->clear();
}

void OrderHeaderForm::mostraPlano(Decimal total, const std::optional<QDate>& emissao,
                                  bool aprovacao) {
    if (aprovacao) {
        // No plan is typed for an order that could not be approved.
        const auto conferido = orderlookups::confereCabecalho(txtOsNo, lida_);
        if (!conferido || recusado(*conferido))
            return;
    }
    frmOS_GerFinan plano(this);
    plano.txtOsNR->setText(txtOsNo->text());
    plano.txtnrdoc->setText(total.toBrTrimmed(0));
    plano.txtcdfor->setText(txtCdCli->text());
    plano.txtnmfor->setText(txtNmCli->text());
    if (emissao)
        plano.txtDTe->setText(dates::toBr(*emissao));
    if (aprovacao)
        plano.aprova({orderlookups::gravacao(txtOsNo, cabecalho()), lida_});
    plano.exec();
    if (program::ending() || !plano.ordem())
        return;
    if (aprovacao)
        mostraGravado(plano.ordem());
    else
        recusado(*plano.ordem(), false);
}

orderlookups::Cabecalho OrderHeaderForm::cabecalho() const {
    return {txtDt, cboSit, txtCdCli, txtNmSol, txtFone, txtCdVen, txtIA};
}

bool OrderHeaderForm::previewKey(QKeyEvent* event) {
    if (event->key() != Qt::Key_F2 && event->key() != Qt::Key_F3)
        return false;
    // A pick must not be overwritten by the order loading when the focus
    // then leaves the number box.
    txtOsNo_LostFocus();
    if (event->key() == Qt::Key_F2)
        pickInto<frmBuscaCliente>(this, txtCdCli);
    else
        pickInto<frmBuscaVendedor>(this, txtCdVen);
    return true;
}

void OrderHeaderForm::enterPressed(QWidget* from) {
    if (from == txtIA)
        txtIA->insertPlainText(QStringLiteral("\n"));
}
