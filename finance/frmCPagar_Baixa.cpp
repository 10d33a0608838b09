#include "finance/frmCPagar_Baixa.h"

#include "finance/cpagar_baixa.h"
#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/data_control.h"
#include "platform/moeda.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaFornecedor.h"
#include "registers/list_binding.h"
#include "registers/party_names.h"
#include "registers/register_codes.h"
#include "shell/shared_state.h"
#include "shell/shared_work.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace formwidgets;

namespace {

BaixaForm::Desenho desenho() {
    return {
        QStringLiteral("Fornecedor F2 Pesquisar"),
        QStringLiteral("CONTAS A PAGAR EM ABERTO"),
        {{QStringLiteral("DOCUMENTO No"), QStringLiteral("nrdoc"), 20, ListFormat::Code},
         {QStringLiteral("PARCELA"), QStringLiteral("parcela"), 5, ListFormat::Code},
         {QStringLiteral("VENCIMENTO"), QStringLiteral("dtv"), 10, ListFormat::Date},
         {QStringLiteral("VALOR ABERTO"), QStringLiteral("vrab"), 15, ListFormat::Currency},
         {QStringLiteral("OBS"), QStringLiteral("obs"), 50}},
        QStringLiteral("CONTAS A BAIXAR"),
        {{QStringLiteral("DOCUMENTO No"), QStringLiteral("nrdoc"), 20, ListFormat::Code},
         {QStringLiteral("PARCELA"), QStringLiteral("parcela"), 5, ListFormat::Code},
         {QStringLiteral("VENCIMENTO"), QStringLiteral("dtv"), 10, ListFormat::Date},
         {QStringLiteral("VR ABERTO"), QStringLiteral("vrab"), 12, ListFormat::Currency},
         {QStringLiteral("JUROS"), QStringLiteral("vrj"), 12, ListFormat::Currency},
         {QStringLiteral("DESCONTOS"), QStringLiteral("vrd"), 12, ListFormat::Currency},
         {QStringLiteral("VR BAIXADO"), QStringLiteral("vrpg"), 12, ListFormat::Currency},
         {QStringLiteral("FORNECEDOR"), QStringLiteral("nmfor"), 17}},
    };
}

} // namespace

frmCPagar_Baixa::frmCPagar_Baixa(QWidget* parent) : BaixaForm(parent, desenho()) {
    setObjectName(QStringLiteral("frmCPagar_Baixa"));
    setWindowTitle(QStringLiteral("Contas a Pagar - Baixa"));
    Command1 = button(this, "Command1", QStringLiteral("F1 Iniciar Baixa"));
    Command11 = button(this, "Command11", QStringLiteral("F11 Ag.Hoje"));
    Command11->setEnabled(false);
    Command2->setEnabled(false);
    txtCdFor->setReadOnly(true);
    botoesDoRecibo({Command1, Command2, Command11, Command18});
    txtIdLan = box(frmDest, "txtIdLan", 0, 10);
    txtIdLan->hide();

    bindKey(Qt::Key_F1, Command1);
    bindKey(Qt::Key_F10, Command2);
    bindKey(Qt::Key_F11, Command11);
    connect(Command1, &QPushButton::clicked, this, &frmCPagar_Baixa::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmCPagar_Baixa::Command2_Click);
    connect(Command11, &QPushButton::clicked, this, &frmCPagar_Baixa::Command11_Click);
    connect(Command18, &QPushButton::clicked, this, &frmCPagar_Baixa::Command18_Click);
    connect(Command15, &QPushButton::clicked, this, &frmCPagar_Baixa::Command15_Click);
    connect(Command14, &QPushButton::clicked, this, &frmCPagar_Baixa::Command14_Click);
    connect(txtCdFor, &QLineEdit::textChanged, this, &frmCPagar_Baixa::txtCdFor_Change);
    onLeave(txtCdFor, [this] { txtCdFor_LostFocus(); });
}

void frmCPagar_Baixa::abreRecibo(const QString& nrrec) {
    escondeQuadros();
    Command1->setEnabled(false);
    txtNrRec->setText(nrrec);
    List1->clear();
    txtDtBX->setText(dates::toBr(QDate::currentDate()));
    txtDtBX->setReadOnly(false);
    txtCdFor->setReadOnly(false);
    Command11->setEnabled(true);
    // A closed receipt leaves the open list disabled; a new one brings it back.
    DataGrid1->setEnabled(true);
    listbinding::setSource(Adodc2, DataGrid2, cpagarbaixa::itensDoRecibo(nrrec));
    TotalizaRecibo();
}

void frmCPagar_Baixa::Command1_Click() {
    if (!Command1->isEnabled())
        return;
    QApplication::processEvents();
    const std::optional<QString> nrrec = novoNumero();
    if (!nrrec)
        return;
    abreRecibo(*nrrec);
}

void frmCPagar_Baixa::buscaParte() {
    if (txtCdFor->isReadOnly() || mostrando(frmDest))
        return;
    escolheCodigo([this] { frmBuscaFornecedor(this).exec(); });
}

void frmCPagar_Baixa::txtCdFor_Change() {
    txtNmFor->clear();
}

void frmCPagar_Baixa::txtCdFor_LostFocus() {
    txtNmFor->clear();
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        if (const auto nome = leNome(cn, txtCdFor->text(), fornecedorNome)) {
            mostraNome(*nome);
            Command2->setEnabled(true);
        }
    });
}

void frmCPagar_Baixa::Command2_Click() {
    if (!Command2->isEnabled())
        return;
    const auto cdfor = wholeCode(txtCdFor->text());
    if (txtNmFor->text().trimmed().isEmpty() || txtNrRec->text().trimmed().isEmpty() ||
        !dates::parseBr(txtDtBX->text()) || !cdfor) {
        dlg::show(recibo::dadosInvalidos());
        return;
    }
    listbinding::setSource(Adodc1, DataGrid1, cpagarbaixa::abertasDoFornecedor(*cdfor));
}

void frmCPagar_Baixa::Command11_Click() {
    if (!Command11->isEnabled())
        return;
    listbinding::setSource(Adodc1, DataGrid1, cpagarbaixa::vencendoEm(QDate::currentDate()));
}

void frmCPagar_Baixa::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    if (row < 0)
        return;
    BusyGuard busy;
    auto campo = [this, row](const char* column) {
        return listbinding::text(Adodc1, row, QString::fromLatin1(column));
    };
    txtIdLan->setText(campo("idlan"));
    mostraItem(row, campo("nrdoc") + QLatin1Char(' ') + campo("parcela"));
}

void frmCPagar_Baixa::Command15_Click() {
    if (const auto recusa = recibo::confereJuros(txtVRa->text(), txtVRj->text(), txtVRd->text())) {
        recusaItem(*recusa, {txtVRj, txtVRd});
        return;
    }
    CalculaTotal();
    if (txtIdLan->text().trimmed().isEmpty()) {
        dlg::show(recibo::idInvalido());
        return;
    }
    // With no receipt shown nothing may take the instalment.
    if (!reciboIniciado()) {
        dlg::show(recibo::reciboNaoIniciado());
        return;
    }
    const QString idlan = txtIdLan->text();
    const Escrita escrita = escreve([this, &idlan](db::Connection& cn) {
        return cpagarbaixa::adiciona(cn, idlan, recibo::valor(txtVRa->text()),
                                     recibo::valor(txtVRj->text()), recibo::valor(txtVRd->text()),
                                     txtNrRec->text());
    });
    if (escrita != Escrita::Falhou)
        depoisDeAdicionar(QStringLiteral("idlan"), idlan, escrita);
}

void frmCPagar_Baixa::Command14_Click() {
    TotalizaRecibo();
    txtCdFor->setFocus();
    frmDest->hide();
}

void frmCPagar_Baixa::DataGrid2_DblClick() {
    const int row = DataGrid2->currentRow();
    if (row < 0 || !dlg::ask(QStringLiteral("Confirma o estorno?"), QStringLiteral("Atençao")))
        return;
    const QString idlan = listbinding::text(Adodc2, row, QStringLiteral("idlan"));
    if (escreve([&](db::Connection& cn) {
            return cpagarbaixa::estorna(cn, idlan, txtNrRec->text());
        }) == Escrita::Falhou)
        return;
    if (!Adodc1->recordSource().isEmpty())
        listbinding::refresh(Adodc1, DataGrid1);
    TotalizaRecibo();
}

void frmCPagar_Baixa::TotalizaRecibo() {
    ativaPagamento(false);
    BusyGuard busy;
    if (!Adodc2->recordSource().isEmpty())
        listbinding::refresh(Adodc2, DataGrid2);
    if (!Adodc2->recordset().isEmpty())
        ativaPagamento(true);
    const cpagarbaixa::Somas somas = cpagarbaixa::somas(Adodc2->recordset());
    totalRecibo = somas.pago;
    lST->setText(QStringLiteral("Vr AB: ") + moeda(somas.aberto) + QStringLiteral(" St.Juros: ") +
                 moeda(somas.juros) + QStringLiteral(" St.Desc.: ") + moeda(somas.descontos) +
                 QStringLiteral(" Total: ") + moeda(totalRecibo));
    // What is still to be paid follows the receipt's total.
    TotalizaMeiosPagamento();
}

void frmCPagar_Baixa::TotalizaMeiosPagamento() {
    BusyGuard busy;
    totalPagamentos = recibo::soma(linhas());
    lPG->setText(QStringLiteral("Vr MP: ") + moeda(totalPagamentos) + QStringLiteral(" Falta: ") +
                 moeda(totalRecibo - totalPagamentos));
}

recibo::Fechamento frmCPagar_Baixa::fechamento(const QString& nrrec, const QDate& dtbx) const {
    return cpagarbaixa::fechamento(nrrec, dtbx);
}

void frmCPagar_Baixa::limpaAposBaixa() {
    txtNrRec->clear();
    txtDtBX->clear();
    txtCdFor->clear();
    Adodc2->close();
    Command11->setEnabled(false);
    TotalizaRecibo();
    DataGrid1->setEnabled(false);
    Command1->setEnabled(true);
}

void frmCPagar_Baixa::Command18_Click() {
    const QString escolhido = escolheReciboPendente(QStringLiteral("P"));
    if (escolhido.isEmpty() || !Command1->isEnabled())
        return;
    abreRecibo(escolhido);
}
