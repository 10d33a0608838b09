#include "finance/frmCReceber_Baixa.h"

#include "finance/creceber_baixa.h"
#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/data_control.h"
#include "platform/moeda.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaCliente.h"
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

namespace {

BaixaForm::Desenho desenhoReceber() {
    return {
        QStringLiteral("Cliente - F2 Pesquisar"),
        QStringLiteral("CONTAS EM ABERTO"),
        {{QStringLiteral("DOCUMENTO No"), QStringLiteral("nrdoc"), 28, ListFormat::Code},
         {QStringLiteral("VENCIMENTO"), QStringLiteral("dtv"), 12, ListFormat::Date},
         {QStringLiteral("VALOR ABERTO"), QStringLiteral("vrab"), 12, ListFormat::Currency},
         {QStringLiteral("VALOR JÁ PAGO"), QStringLiteral("vrpg"), 12, ListFormat::Currency},
         {QStringLiteral("JUROS JÁ PAGO"), QStringLiteral("juros"), 12, ListFormat::Currency},
         {QStringLiteral("DESCONTOS AC."), QStringLiteral("descontos"), 12, ListFormat::Currency},
         {QStringLiteral("VALOR ORIGINAL"), QStringLiteral("vrorig"), 12, ListFormat::Currency}},
        QStringLiteral("CONTAS BAIXADAS"),
        {{QStringLiteral("DOCUMENTO No"), QStringLiteral("nrdoc"), 33, ListFormat::Code},
         {QStringLiteral("VENCIMENTO"), QStringLiteral("dtv"), 13, ListFormat::Date},
         {QStringLiteral("VR ABERTO"), QStringLiteral("vrab"), 13, ListFormat::Currency},
         {QStringLiteral("JUROS"), QStringLiteral("juros"), 13, ListFormat::Currency},
         {QStringLiteral("DESCONTOS"), QStringLiteral("descontos"), 13, ListFormat::Currency},
         {QStringLiteral("VR BAIXADO"), QStringLiteral("vrpg"), 13, ListFormat::Currency}},
    };
}

QString dataSql(const QString& iso) {
    const QDate d = QDate::fromString(iso.left(10), Qt::ISODate);
    return d.isValid() ? dates::toSql(d) : QString();
}

std::optional<QDate> dataDoRotulo(const QString& texto) {
    const QDate d = QDate::fromString(texto, QStringLiteral("yyyy/MM/dd"));
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

} // namespace

frmCReceber_Baixa::frmCReceber_Baixa(QWidget* parent) : BaixaForm(parent, desenhoReceber()) {
    setObjectName(QStringLiteral("frmCReceber_Baixa"));
    setWindowTitle(QStringLiteral("Contas a Receber - Baixa"));
    txtNmFor->setReadOnly(true);
    botoesDoRecibo({Command2, Command18});
    txtVRpg = formwidgets::amountBox(frmDest, "txtVRpg");
    linhaDoItem(QStringLiteral("Vr Recebido"), txtVRpg);
    lEMS = new QLabel(frmDest);
    lEMS->setObjectName(QStringLiteral("lEMS"));
    lEMS->hide();
    lVCT = new QLabel(frmDest);
    lVCT->setObjectName(QStringLiteral("lVCT"));
    lVCT->hide();
    setTabOrder(txtVRa, txtVRj);
    setTabOrder(txtVRj, txtVRd);
    setTabOrder(txtVRd, txtVRt);
    setTabOrder(txtVRt, txtVRpg);
    setTabOrder(txtVRpg, Command15);
    selecionaJurosEDescontos = true;
    setTabOrder(txtDtBX, txtCdFor);

    bindKey(Qt::Key_F10, Command2);
    bindKeyWhileShown(Qt::Key_F11, Command13);
    connect(Command2, &QPushButton::clicked, this, &frmCReceber_Baixa::Command2_Click);
    connect(Command18, &QPushButton::clicked, this, &frmCReceber_Baixa::Command18_Click);
    connect(Command15, &QPushButton::clicked, this, &frmCReceber_Baixa::Command15_Click);
    connect(Command14, &QPushButton::clicked, this, &frmCReceber_Baixa::Command14_Click);
    connect(txtCdFor, &QLineEdit::textChanged, this, &frmCReceber_Baixa::txtCdFor_Change);
    onLeave(txtCdFor, [this] { txtCdFor_LostFocus(); });
    // The total is recomputed when its box is clicked or entered.
    onEnter(txtVRt, [this] { CalculaTotal(); });
    txtDtBX->setFocus();
}

void frmCReceber_Baixa::escPressed() {
    if (mostrando(frmDest))
        Command14_Click();
    else if (mostrando(frmMP))
        Command17_Click();
    else
        close();
}

bool frmCReceber_Baixa::reciboIniciado() const {
    return !txtNrRec->text().trimmed().isEmpty() && !txtNmFor->text().trimmed().isEmpty();
}

void frmCReceber_Baixa::buscaParte() {
    if (mostrando(frmDest))
        return;
    escolheCodigo([this] { frmBuscaCliente(this).exec(); });
}

void frmCReceber_Baixa::txtCdFor_Change() {
    txtNmFor->clear();
    txtNrRec->clear();
    escondeQuadros();
}

void frmCReceber_Baixa::txtCdFor_LostFocus() {
    txtNmFor->clear();
    if (!isNumeric(txtCdFor->text()))
        return;
    shared::withConnection(nullptr, [&](db::Connection& cn) {
        const auto nome = leNome(cn, txtCdFor->text(), clienteNome);
        if (!nome) {
            txtNrRec->clear();
            return;
        }
        mostraNome(*nome);
        Command2->setEnabled(true);
    });
}

void frmCReceber_Baixa::listaRecibo() {
    const qint64 cdcli = wholeCode(txtCdFor->text()).value_or(0);
    // A closed receipt leaves the open list disabled; a new one brings it back.
    DataGrid1->setEnabled(true);
    listbinding::setSource(Adodc1, DataGrid1, creceberbaixa::abertasDoCliente(cdcli));
    listbinding::setSource(Adodc2, DataGrid2,
                           creceberbaixa::itensDoRecibo(cdcli, txtNrRec->text()));
    TotalizaRecibo();
    DataGrid1->setFocus();
}

void frmCReceber_Baixa::Command2_Click() {
    if (!Command2->isEnabled())
        return;
    // A refused start leaves the receipt shown as it was.
    if (txtNmFor->text().trimmed().isEmpty() || !dates::parseBr(txtDtBX->text()) ||
        !wholeCode(txtCdFor->text())) {
        dlg::show(recibo::dadosInvalidos());
        return;
    }
    const std::optional<QString> nrrec = novoNumero();
    if (!nrrec)
        return;
    BusyGuard busy;
    escondeQuadros();
    txtNrRec->setText(*nrrec);
    Command2->setEnabled(false);
    List1->clear();
    txtDtBX->setText(dates::toBr(QDate::currentDate()));
    listaRecibo();
}

void frmCReceber_Baixa::DataGrid1_DblClick() {
    const int row = DataGrid1->currentRow();
    if (row < 0)
        return;
    if (!reciboIniciado()) {
        dlg::show(recibo::reciboNaoIniciado());
        return;
    }
    BusyGuard busy;
    auto campo = [this, row](const char* column) {
        return listbinding::text(Adodc1, row, QString::fromLatin1(column));
    };
    lEMS->setText(dataSql(campo("dte")));
    lVCT->setText(dataSql(campo("dtv")));
    txtVRpg->clear();
    mostraItem(row, campo("nrdoc"));
}

void frmCReceber_Baixa::Command15_Click() {
    creceberbaixa::Caixas caixas{txtVRa->text(),  txtVRj->text(), txtVRd->text(),
                                 txtVRpg->text(), txtVRt->text(), lPro->text()};
    const auto aviso = creceberbaixa::confere(caixas);
    txtVRj->setText(caixas.juros);
    txtVRd->setText(caixas.descontos);
    txtVRpg->setText(caixas.recebido);
    txtVRt->setText(caixas.total);
    if (aviso) {
        recusaItem(*aviso, {txtVRj, txtVRd, txtVRpg});
        return;
    }
    // The client changed since: no receipt is shown to take the item.
    if (!reciboIniciado()) {
        dlg::show(recibo::reciboNaoIniciado());
        return;
    }
    const auto dtbx = dates::parseBr(txtDtBX->text());
    if (!dtbx) {
        dlg::show(recibo::dadosInvalidos());
        return;
    }
    const creceberbaixa::Item item{lPro->text(),
                                   dataDoRotulo(lEMS->text()),
                                   dataDoRotulo(lVCT->text()),
                                   recibo::valor(txtVRj->text()),
                                   recibo::valor(txtVRd->text()),
                                   recibo::valor(txtVRpg->text())};
    const QString nrrec = txtNrRec->text();
    const qint64 cdcli = wholeCode(txtCdFor->text()).value_or(0);
    const Escrita escrita = escreve(
        [&](db::Connection& cn) { return creceberbaixa::adiciona(cn, item, nrrec, cdcli, *dtbx); });
    if (escrita == Escrita::Falhou)
        return;
    depoisDeAdicionar(QStringLiteral("nrdoc"), item.nrdoc, escrita);
    // The last open instalment received: nothing is left to show.
    if (DataGrid1->model()->rowCount() == 0)
        Command14_Click();
}

void frmCReceber_Baixa::Command14_Click() {
    TotalizaRecibo();
    DataGrid1->setFocus();
    frmDest->hide();
}

void frmCReceber_Baixa::Command17_Click() {
    DataGrid1->setFocus();
    BaixaForm::Command17_Click();
}

void frmCReceber_Baixa::DataGrid2_DblClick() {
    const int row = DataGrid2->currentRow();
    if (row < 0)
        return;
    if (!reciboIniciado()) {
        dlg::show(recibo::reciboNaoIniciado());
        return;
    }
    if (!dlg::ask(QStringLiteral("Confirma o estorno?"), QStringLiteral("Atençao")))
        return;
    const qint64 id = listbinding::text(Adodc2, row, QStringLiteral("id")).toLongLong();
    if (escreve([id](db::Connection& cn) { return creceberbaixa::estorna(cn, id); }) ==
        Escrita::Falhou)
        return;
    listbinding::refresh(Adodc1, DataGrid1);
    listbinding::refresh(Adodc2, DataGrid2);
    TotalizaRecibo();
}

void frmCReceber_Baixa::TotalizaRecibo() {
    ativaPagamento(false);
    BusyGuard busy;
    Decimal juros, descontos, pagamentos;
    if (const auto cdcli = wholeCode(txtCdFor->text())) {
        try {
            shared::abreConexao();
            Statement s = creceberbaixa::saldoAberto(*cdcli);
            const db::Recordset saldo = shared::gCn().query(s);
            lST->setText(QStringLiteral("Valor Total em Aberto: ") +
                         moeda(saldo.decimal(QStringLiteral("vraberto"))));
            s = creceberbaixa::somasDoRecibo(txtNrRec->text());
            const db::Recordset somas = shared::gCn().query(s);
            ativaPagamento(true);
            juros = somas.decimal(QStringLiteral("vrj"));
            descontos = somas.decimal(QStringLiteral("vrd"));
            totalRecibo = somas.decimal(QStringLiteral("vrp"));
        } catch (const db::DbError& e) {
            // Sums that could not be read are not shown as zeros.
            lST->clear();
            lPG->clear();
            dlg::showError(e);
            return;
        }
        totalPagamentos = recibo::soma(linhas());
        pagamentos = totalPagamentos;
    }
    lPG->setText(QStringLiteral("Juros: ") + moeda(juros) + QStringLiteral(" Descontos: ") +
                 moeda(descontos) + QStringLiteral(" Total Baixado: ") + moeda(totalRecibo) +
                 QStringLiteral(" Falta: ") + moeda(totalRecibo - pagamentos));
}

void frmCReceber_Baixa::TotalizaMeiosPagamento() {
    TotalizaRecibo();
}

recibo::Fechamento frmCReceber_Baixa::fechamento(const QString& nrrec, const QDate& dtbx) const {
    return creceberbaixa::fechamento(wholeCode(txtCdFor->text()).value_or(0), nrrec, dtbx);
}

void frmCReceber_Baixa::limpaAposBaixa() {
    txtNrRec->clear();
    txtDtBX->clear();
    txtCdFor->clear();
    Adodc1->close();
    Adodc2->close();
    TotalizaRecibo();
    // With no client the sums are not read: the caption is zeroed here.
    lST->setText(QStringLiteral("Valor Total em Aberto: ") + moeda(Decimal()));
    DataGrid1->setEnabled(false);
}

void frmCReceber_Baixa::Command18_Click() {
    const QString escolhido = escolheReciboPendente(QStringLiteral("C"));
    if (escolhido.isEmpty())
        return;
    QApplication::processEvents();
    escondeQuadros();
    const QStringList partes = escolhido.split(QLatin1Char('|'));
    const QString nrrec = partes.value(0).trimmed();
    shared::gCodigoPesquisa = nrrec;
    txtCdFor->setText(QString::number(partes.value(1).trimmed().toLongLong()));
    shared::gNomePesquisa.clear();
    txtCdFor_LostFocus();
    txtNrRec->setText(nrrec);
    List1->clear();
    txtDtBX->setText(dates::toBr(QDate::currentDate()));
    listaRecibo();
}
