#include "service_orders/frmOS_ListaOrc.h"

#include "pdf/os_documents.h"
#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/dialogs.h"
#include "registers/form_widgets.h"
#include "registers/list_binding.h"
#include "service_orders/frmOS_Orc.h"
#include "service_orders/frmOs_MNT.h"
#include "service_orders/order_list.h"
#include "service_orders/order_lock.h"
#include "service_orders/order_windows.h"
#include "service_orders/os_stamp.h"
#include "service_orders/print_command.h"
#include "shell/auto_resize.h"
#include "shell/program_end.h"
#include "shell/shared_state.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

using namespace formwidgets;

namespace {

const QList<listbinding::ShareColumn> kColunas = {
    {QStringLiteral("Os No"), QStringLiteral("osnr"), 10, ListFormat::Code},
    {QStringLiteral("Data"), QStringLiteral("dtos"), 10, ListFormat::Date},
    {QStringLiteral("Situação"), QStringLiteral("ossit"), 5, ListFormat::Code},
    // The client is told by the whole of the name.
    {QStringLiteral("Cliente"), QStringLiteral("nmcli"), 30, ListFormat::Code},
    {QStringLiteral("Cidade"), QStringLiteral("cidade"), 20},
    {QStringLiteral("Solicitante"), QStringLiteral("nmsol"), 15},
    {QStringLiteral("Telefone"), QStringLiteral("fone"), 10, ListFormat::Code},
};

const QString kAtencao = QStringLiteral("Atenção");

// Orders are created and deleted on a connection of the list's own, closed
// again at once; a failure is shown, and false then.
bool naPropriaConexao(QWidget* busy, const std::function<void(db::Connection&)>& work) {
    BusyGuard guard(busy);
    try {
        db::Connection propria(shared::gConexao);
        propria.open();
        work(propria);
        return true;
    } catch (const db::DbError& e) {
        dlg::showError(e);
        return false;
    }
}

} // namespace

frmOS_ListaOrc::frmOS_ListaOrc(QWidget* parent) : DataForm(parent) {
    setObjectName(QStringLiteral("frmOS_ListaOrc"));
    Command1 = button(this, "Command1", QStringLiteral("F2 Abrir"));
    Command2 = button(this, "Command2", QStringLiteral("F3 Editar"));
    Command3 = button(this, "Command3", QStringLiteral("F4 Excluir"));
    Command4 = button(this, "Command4", QStringLiteral("F5 Pesquisar"));
    Command6 = button(this, "Command6", QStringLiteral("F6 Imprimir"));
    Adodc1 = new db::DataControl(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    DataGrid1 = new DataGrid(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setRowSelectedGesture(false);
    listbinding::bindShares(Adodc1, DataGrid1, kColunas);
    AutoResize::attach(this);

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command6})
        botoes->addWidget(b);
    botoes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(botoes);
    layout->addWidget(new QLabel(QStringLiteral("Ordens"), this));
    layout->addWidget(DataGrid1, 1);
    resize(900, 520);

    bindKey(Qt::Key_F2, Command1);
    bindKey(Qt::Key_F3, Command2);
    bindKey(Qt::Key_F4, Command3);
    bindKey(Qt::Key_F5, Command4);
    bindKey(Qt::Key_F6, Command6);
    connect(Command1, &QPushButton::clicked, this, &frmOS_ListaOrc::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOS_ListaOrc::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOS_ListaOrc::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmOS_ListaOrc::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &frmOS_ListaOrc::Command6_Click);
    Form_Load();
}

void frmOS_ListaOrc::Form_Load() {
    // The mode is the window's from here on: the main window cannot ask for
    // the other mode while this list is open.
    modo_ = shared::gModoOS;
    if (modo_ == QLatin1String("O")) {
        setWindowTitle(QStringLiteral("Ordem de Serviço - Orçamentos"));
    } else {
        Command1->setEnabled(false);
        Command3->setEnabled(false);
        // Its filters are the quotes' own.
        Command4->setEnabled(false);
        setWindowTitle(QStringLiteral("Ordem de Serviço - Em Andamento"));
    }
    listbinding::setSource(Adodc1, DataGrid1, orderlist::porModo(modo_));
}

QString frmOS_ListaOrc::osnrAtual() const {
    return listbinding::text(Adodc1, DataGrid1->currentRow(), QStringLiteral("osnr"));
}

void frmOS_ListaOrc::Command1_Click() {
    if (!dlg::ask(QStringLiteral("Confirma a abertura de uma nova ordem?"), kAtencao))
        return;
    qint64 numero = 0;
    if (!naPropriaConexao(
            this, [&](db::Connection& cn) { numero = orderlist::abreOrdem(cn, osStamp()); }))
        return;
    orderwindows::showWithNumber<frmOS_Orc>(&frmOS_Orc::txtOsNo, QString::number(numero), this);
    if (!program::ending())
        listbinding::refresh(Adodc1, DataGrid1);
}

void frmOS_ListaOrc::Command2_Click() {
    const QString osnr = osnrAtual();
    if (osnr.isEmpty())
        return;
    if (modo_ == QLatin1String("O"))
        orderwindows::showWithNumber<frmOS_Orc>(&frmOS_Orc::txtOsNo, osnr, this);
    else
        orderwindows::showWithNumber<frmOs_MNT>(&frmOs_MNT::txtOsNo, osnr, this);
    if (!program::ending())
        listbinding::refresh(Adodc1, DataGrid1);
}

void frmOS_ListaOrc::Command3_Click() {
    const QString osnr = osnrAtual();
    if (osnr.isEmpty())
        return;
    const QString cliente =
        listbinding::text(Adodc1, DataGrid1->currentRow(), QStringLiteral("nmcli"));
    if (!dlg::ask(QStringLiteral("Confirma a exclusão do item selecionado?\nO.S. No: ") + osnr +
                      QStringLiteral("\nCliente: ") + cliente,
                  kAtencao))
        return;
    auto exclusao = orderlist::Exclusao::Excluida;
    if (!naPropriaConexao(this, [&](db::Connection& cn) {
            exclusao = orderlist::excluiOrdem(cn, osnr.toLongLong());
        }))
        return;
    if (exclusao == orderlist::Exclusao::ComContas) {
        dlg::show(dlg::critico(
            QStringLiteral("--- ERRO --- ORDEM COM CONTAS A RECEBER OU CUSTOS NÃO PODE SER "
                           "EXCLUÍDA!")));
        return;
    }
    listbinding::refresh(Adodc1, DataGrid1);
    if (exclusao == orderlist::Exclusao::Inexistente)
        dlg::show(orderlock::ordemInexistente());
    else
        dlg::inform(QStringLiteral("Excluído com sucesso!"), kAtencao, dlg::Icon::Information);
}

void frmOS_ListaOrc::Command4_Click() {
    if (modo_ != QLatin1String("O"))
        return;
    for (;;) {
        const auto opcao = dlg::dialogs().input(
            {QStringLiteral("0 - SITUAÇÃO\n1 - CLIENTE\n2 - CIDADE\n3 - SOLICITANTE\n"
                            "9 - LIMPAR FILTROS"),
             QStringLiteral("ESCOLHA UMA OPÇÃO ABAIXO"),
             {}});
        if (!opcao)
            return;
        if (*opcao == QLatin1String("0")) {
            pesquisaSituacao();
            return;
        }
        if (*opcao == QLatin1String("1") || *opcao == QLatin1String("2") ||
            *opcao == QLatin1String("3")) {
            pesquisaTexto(opcao->toInt());
            return;
        }
        if (*opcao == QLatin1String("9")) {
            listbinding::setSource(Adodc1, DataGrid1, orderlist::porModo(modo_));
            return;
        }
    }
}

void frmOS_ListaOrc::pesquisaSituacao() {
    const auto resposta =
        dlg::dialogs().input({QStringLiteral("0 - em orçamento\n1 - em negociação"),
                              QStringLiteral("Pesquisar pela situação"),
                              {}});
    if (!resposta)
        return;
    if (*resposta != QLatin1String("0") && *resposta != QLatin1String("1")) {
        dlg::inform(QStringLiteral("Opção inválida!"), kAtencao, dlg::Icon::Exclamation);
        return;
    }
    listbinding::setSource(Adodc1, DataGrid1, orderlist::porSituacao(*resposta));
}

void frmOS_ListaOrc::pesquisaTexto(int opcao) {
    const struct {
        const char* titulo;
        const char* prompt;
        Statement (*lista)(const QString&);
    } pesquisas[] = {{"Pesquisar pelo cliente", "Cliente:", orderlist::porCliente},
                     {"Pesquisar pela cidade", "Cidade:", orderlist::porCidade},
                     {"Pesquisar pelo solicitante", "Solicitante:", orderlist::porSolicitante}};
    const auto& pesquisa = pesquisas[opcao - 1];
    const auto resposta = dlg::dialogs().input(
        {QString::fromUtf8(pesquisa.prompt), QString::fromUtf8(pesquisa.titulo), {}});
    if (resposta)
        listbinding::setSource(Adodc1, DataGrid1, pesquisa.lista(*resposta));
}

void frmOS_ListaOrc::Command6_Click() {
    const QString osnr = osnrAtual();
    if (!osnr.isEmpty())
        imprimeOS(this, ImprimeOSSimplificada, osnr);
}

void frmOS_ListaOrc::escPressed() {
    shared::fechaConexao();
    Adodc1->close();
    close();
}
