#include "service_orders/frmOS_Orc.h"

#include "pdf/os_document_numbers.h"
#include "pdf/os_documents.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/data_control.h"
#include "platform/db/db_error.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaVendedor.h"
#include "registers/register_codes.h"
#include "service_orders/frmOS_GerFinan.h"
#include "service_orders/order_header.h"
#include "service_orders/order_lookups.h"
#include "service_orders/order_status.h"
#include "service_orders/print_command.h"
#include "service_orders/service_lines_frame.h"
#include "shell/auto_resize.h"
#include "shell/date_mask.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace formwidgets;

frmOS_Orc::frmOS_Orc(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmOS_Orc"));
    setWindowTitle(QStringLiteral("Ordem de Serviço - Orçamento"));

    txtOsNo = box(this, "txtOsNo", 0, 10);
    txtOsNo->setReadOnly(true);
    txtDt = box(this, "txtDt", 10, 11);
    installDateMask(txtDt);
    cboSit = new QComboBox(this);
    cboSit->setObjectName(QStringLiteral("cboSit"));
    orderstatus::preenche(cboSit, 0, 2);
    txtCdCli = box(this, "txtCdCli", 0, 8);
    txtNmCli = box(this, "txtNmCli", 50, 40);
    txtCNPJ = box(this, "txtCNPJ", 14, 18);
    txtIE = box(this, "txtIE", 14, 16);
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
        orderlookups::trava(locked);
    txtIA = memo(this, "txtIA");
    Command1 = button(this, "Command1", QStringLiteral("Salvar"));
    Command3 = button(this, "Command3", QStringLiteral("Imprimir"));
    Command4 = button(this, "Command4", QStringLiteral("Descontos"));
    Frame1 = new ServiceLinesFrame(this, txtOsNo);
    AutoResize::attach(this);

    auto* linha1 = new QHBoxLayout;
    addLabelled(linha1, this, QStringLiteral("OS No"), txtOsNo);
    addLabelled(linha1, this, QStringLiteral("Data"), txtDt);
    addLabelled(linha1, this, QStringLiteral("Situação"), cboSit);
    linha1->addStretch();
    linha1->addWidget(Command1, 0, Qt::AlignBottom);
    linha1->addWidget(Command3, 0, Qt::AlignBottom);
    linha1->addWidget(Command4, 0, Qt::AlignBottom);
    auto* linha2 = new QHBoxLayout;
    addLabelled(linha2, this, QStringLiteral("Cliente - F2 Pesquisa"),
                orderlookups::codigoENome(this, txtCdCli, txtNmCli), 1);
    addLabelled(linha2, this, QStringLiteral("Cnpj"), txtCNPJ);
    addLabelled(linha2, this, QStringLiteral("I.E."), txtIE);
    auto* linha3 = new QHBoxLayout;
    addLabelled(linha3, this, QStringLiteral("Endereço"), txtRua, 1);
    addLabelled(linha3, this, QStringLiteral("Nr"), txtNr);
    addLabelled(linha3, this, QStringLiteral("Bairro"), txtBairro);
    addLabelled(linha3, this, QStringLiteral("Cep"), txtCep);
    addLabelled(linha3, this, QStringLiteral("Cidade"), txtCidade);
    addLabelled(linha3, this, QStringLiteral("UF"), txtUF);
    auto* linha4 = new QHBoxLayout;
    addLabelled(linha4, this, QStringLiteral("Solicitante"), txtNmSol);
    addLabelled(linha4, this, QStringLiteral("Fone(s)"), txtFone);
    addLabelled(linha4, this, QStringLiteral("Colaborador - F3 Pesquisa"),
                orderlookups::codigoENome(this, txtCdVen, txtNmVen), 1);
    auto* informacoes = new QHBoxLayout;
    addLabelled(informacoes, this, QStringLiteral("Informações Adicionais"), txtIA, 1);

    auto* layout = new QVBoxLayout(this);
    for (QHBoxLayout* row : {linha1, linha2, linha3, linha4, informacoes})
        layout->addLayout(row);
    layout->addWidget(Frame1, 1);
    resize(940, 700);

    chainTabOrder({txtOsNo, txtDt, txtCdCli, txtNmSol, txtFone, txtCdVen, txtIA, cboSit,
                   Frame1->txtDsSRV, Frame1->txtUn, Frame1->txtQt, Frame1->txtVU, Frame1->txtPD,
                   Frame1->Command2, Frame1->DataGrid1, Command1, Command3, Command4});

    connect(txtOsNo, &QLineEdit::textChanged, this, &frmOS_Orc::txtOsNo_Change);
    connect(txtCdCli, &QLineEdit::textChanged, this, &frmOS_Orc::txtCdCli_Change);
    connect(txtCdVen, &QLineEdit::textChanged, this, &frmOS_Orc::txtCdVen_Change);
    connect(Command1, &QPushButton::clicked, this, &frmOS_Orc::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOS_Orc::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmOS_Orc::Command4_Click);
    connect(Frame1, &ServiceLinesFrame::linhasMudaram, this, &frmOS_Orc::CalculaTotais);
    onLeave(txtOsNo, [this] { txtOsNo_LostFocus(); });
    onLeave(txtCdCli, [this] { txtCdCli_LostFocus(); });

    txtDt->setText(dates::toBr(QDate::currentDate()));
    txtOsNo->setFocus();
}

void frmOS_Orc::txtOsNo_Change() {
    txtDt->setText(dates::toBr(QDate::currentDate()));
    for (QLineEdit* emptied : {txtCdCli, txtNmSol, txtFone, txtCdVen})
        emptied->clear();
    txtIA->clear();
    orderstatus::preenche(cboSit, 0, 2);
    carregado_.clear();
}

void frmOS_Orc::txtOsNo_LostFocus() {
    const QString numero = txtOsNo->text();
    if (!numero.trimmed().isEmpty() && !isNumeric(numero)) {
        dlg::inform(QStringLiteral("--- ERRO --- NÚMERO DA O.S. INVÁLIDO!"),
                    QStringLiteral("ATENÇÃO"), dlg::Icon::Information);
        txtOsNo->setFocus();
        return;
    }
    if (numero.trimmed().isEmpty() || numero == carregado_)
        return;
    carregado_ = numero;
    orderlookups::carregaCabecalho(*orderheader::parteInteira(numero), cabecalho());
    txtCdCli_LostFocus();
    Frame1->carregaLinhas();
    CalculaTotais();
}

void frmOS_Orc::txtCdCli_Change() {
    for (QLineEdit* emptied :
         {txtNmCli, txtCNPJ, txtIE, txtRua, txtNr, txtBairro, txtCep, txtCidade, txtUF})
        emptied->clear();
}

void frmOS_Orc::txtCdCli_LostFocus() {
    orderlookups::carregaCliente(txtCdCli->text(), {txtNmCli, txtCNPJ, txtIE, txtRua, txtNr, txtCep,
                                                    txtBairro, txtCidade, txtUF});
}

void frmOS_Orc::txtCdVen_Change() {
    txtNmVen->setText(orderlookups::nomeColaborador(txtCdVen->text()));
}

void frmOS_Orc::CalculaTotais() {
    totalOrdem_ = Decimal();
    if (const auto totais = Frame1->somaTotais())
        totalOrdem_ = totais->total().rounded(2);
}

void frmOS_Orc::Command1_Click() {
    if (!orderheader::completo(txtNmVen->text(), txtNmCli->text(), txtNmSol->text(),
                               txtDt->text())) {
        dlg::inform(QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!"), QStringLiteral("ATENÇÃO"),
                    dlg::Icon::Information);
        return;
    }
    if (orderstatus::digito(cboSit) == QLatin1String("2") && !aprova())
        return;
    if (orderlookups::gravaCabecalho(txtOsNo, cabecalho()))
        dlg::inform(QStringLiteral("Salvo com sucesso!"), QStringLiteral("Atenção"),
                    dlg::Icon::Information);
}

// The receivables plan of the order first; the approval is stored only when
// the plan was saved.
bool frmOS_Orc::aprova() {
    shared::gRetorno = QStringLiteral("N");
    CalculaTotais();
    {
        frmOS_GerFinan plano(this);
        plano.txtOsNR->setText(txtOsNo->text());
        plano.txtnrdoc->setText(osformat::numero(totalOrdem_));
        plano.txtcdfor->setText(txtCdCli->text());
        plano.txtnmfor->setText(txtNmCli->text());
        plano.txtDTe->setText(dates::toBr(QDate::currentDate()));
        plano.exec();
    }
    if (program::ending() || shared::gRetorno == QLatin1String("N"))
        return false;
    shared::gRetorno.clear();
    return true;
}

void frmOS_Orc::Command3_Click() {
    imprimeOS(this, ImprimeOSSimplificada, txtOsNo->text());
}

void frmOS_Orc::Command4_Click() {
    for (;;) {
        const auto resposta =
            dlg::dialogs().input({QStringLiteral("Percentual:"), QStringLiteral("Desconto"), {}});
        if (!resposta)
            return;
        const auto pd = Decimal::parse(*resposta, false);
        if (!pd || pd->isNegative())
            continue;
        Frame1->aplicaDesconto(*pd);
        return;
    }
}

orderlookups::Cabecalho frmOS_Orc::cabecalho() const {
    return {txtDt, cboSit, txtCdCli, txtNmSol, txtFone, txtCdVen, txtIA};
}

// A picker's choice goes into the code box, which then takes the focus.
template <typename Picker> void frmOS_Orc::pesquisa(QLineEdit* codigo) {
    shared::gCodigoPesquisa.clear();
    {
        Picker picker(this);
        picker.exec();
    }
    if (program::ending())
        return;
    if (isNumeric(shared::gCodigoPesquisa))
        codigo->setText(shared::gCodigoPesquisa);
    codigo->setFocus();
}

bool frmOS_Orc::previewKey(QKeyEvent* event) {
    if (event->key() != Qt::Key_F2 && event->key() != Qt::Key_F3)
        return false;
    // A pick must not be overwritten by the order loading when the focus
    // then leaves the number box.
    txtOsNo_LostFocus();
    if (event->key() == Qt::Key_F2)
        pesquisa<frmBuscaCliente>(txtCdCli);
    else
        pesquisa<frmBuscaVendedor>(txtCdVen);
    return true;
}

void frmOS_Orc::escPressed() {
    Frame1->Adodc1->close();
    close();
}

void frmOS_Orc::enterPressed(QWidget* from) {
    if (from == txtIA)
        txtIA->insertPlainText(QStringLiteral("\n"));
}
