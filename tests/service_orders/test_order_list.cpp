#include "finance/frmBuscaCentroCusto.h"
#include "finance/frmCPagar_Baixa.h"
#include "finance/frmCPagar_BaixaPendente.h"
#include "finance/frmCReceber_Baixa.h"
#include "finance/frmCadCentroCusto.h"
#include "finance/frmCadSubCentro.h"
#include "finance/frmlancontas.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "registers/frmBuscaCliente.h"
#include "registers/frmBuscaProd.h"
#include "registers/frmCadFor.h"
#include "registers/frmCadGrupoEstoque.h"
#include "registers/frmCadProduto.h"
#include "registers/frmCadVendedor.h"
#include "registers/frmcadcli.h"
#include "service_orders/frmBuscaOS.h"
#include "service_orders/frmInsumos_Compra.h"
#include "service_orders/frmInsumos_Destino.h"
#include "service_orders/frmOS_CadCategoria.h"
#include "service_orders/frmOS_Custos.h"
#include "service_orders/frmOS_GerFinan.h"
#include "service_orders/frmOS_ListaOrc.h"
#include "service_orders/frmOS_Orc.h"
#include "service_orders/frmOS_Servicos.h"
#include "service_orders/frmOs_MNT.h"
#include "service_orders/order_windows.h"
#include "service_orders/service_lines_frame.h"
#include "shell/frmcademp.h"
#include "shell/frmcadusuario.h"
#include "shell/window_registry.h"
#include "tests/service_orders/core_order_test.h"
#include "tests/support/modal.h"
#include "tests/support/screen_fit.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

using regtest::columnTexts;

class OrderList : public ordertest::OrderTest {
protected:
    void SetUp() override {
        OrderTest::SetUp();
        registerOrderWindows();
        shared::gModoOS = QStringLiteral("O");
    }
    // The numbers the list shows, top to bottom.
    static QStringList numbers(const frmOS_ListaOrc& list) {
        return columnTexts(list.DataGrid1->model(), 0);
    }
    static QString n(qint64 osnr) { return QString::number(osnr); }
};

TEST_F(OrderList, EachModeListsItsStatusesByDate) {
    const qint64 cli = cliente(QStringLiteral("MARIA"));
    const qint64 a = ordem(QStringLiteral("1"), cli, QStringLiteral("2024-03-07"));
    const qint64 b = ordem(QStringLiteral("0"), cli, QStringLiteral("2024-03-01"));
    const QString longName = QStringLiteral("JOSÉ DA SILVA PEREIRA DE ALBUQUERQUE COMÉRCIO");
    const qint64 longo = cliente(longName);
    const qint64 c = ordem(QStringLiteral("2"), longo, QStringLiteral("2024-03-02"));
    const qint64 d = ordem(QStringLiteral("3"), 0, QStringLiteral("2024-03-01"));
    ordem(QStringLiteral("4"), cli);

    frmOS_ListaOrc quotes;
    EXPECT_EQ(quotes.windowTitle(), QStringLiteral("Ordem de Serviço - Orçamentos"));
    EXPECT_EQ(numbers(quotes), (QStringList{n(b), n(a)}));
    const QAbstractItemModel* model = quotes.DataGrid1->model();
    QStringList headings;
    for (int i = 0; i < model->columnCount(); ++i)
        headings << model->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(headings, (QStringList{"Os No", "Data", "Situação", "Cliente", "Cidade",
                                     "Solicitante", "Telefone"}));
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("01/03/2024"));
    EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(model->index(0, 3).data().toString(), QStringLiteral("MARIA"));

    shared::gModoOS = QStringLiteral("A");
    frmOS_ListaOrc progress;
    progress.show();
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("Ordem de Serviço - Em Andamento"));
    EXPECT_EQ(numbers(progress), (QStringList{n(d), n(c)}));
    // An order without a client still shows; a client's name shows whole.
    EXPECT_EQ(progress.DataGrid1->model()->index(0, 3).data().toString(), QString());
    EXPECT_GT(progress.DataGrid1->columnWidth(3),
              progress.DataGrid1->fontMetrics().horizontalAdvance(longName));
    EXPECT_FALSE(progress.Command1->isEnabled());
    EXPECT_FALSE(progress.Command3->isEnabled());
    EXPECT_FALSE(progress.Command4->isEnabled());
    // F2, F4 and F5 do nothing for orders in progress.
    for (int key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F5})
        ordertest::press(progress.DataGrid1, key);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(count(QStringLiteral("os_cab")), 5);
}

TEST_F(OrderList, NewOrderIsOpenedInTheQuoteWindow) {
    frmOS_ListaOrc list;
    dialogs.answer(dlg::Answer::No);
    list.Command1_Click();
    EXPECT_EQ(count(QStringLiteral("os_cab")), 0);
    const dlg::Message asked = dialogs.messages().back();
    EXPECT_EQ(asked.text, QStringLiteral("Confirma a abertura de uma nova ordem?"));
    EXPECT_EQ(asked.title, QStringLiteral("Atenção"));
    EXPECT_EQ(asked.defaultButton, dlg::Answer::No);

    dialogs.answer(dlg::Answer::Yes);
    QString shown;
    testsupport::whenModal<frmOS_Orc>([&](frmOS_Orc* quote) {
        shown = quote->txtOsNo->text();
        quote->close();
    });
    list.Command1_Click();
    ASSERT_EQ(count(QStringLiteral("os_cab")), 1);
    const db::Recordset row = cn.query(QStringLiteral("select * from os_cab"));
    EXPECT_EQ(shown, row.text(QStringLiteral("osnr")));
    EXPECT_EQ(row.date(QStringLiteral("dtos")), QDate::currentDate());
    EXPECT_EQ(row.text(QStringLiteral("ossit")), QStringLiteral("0"));
    EXPECT_EQ(row.integer(QStringLiteral("cdcli")), 0);
    EXPECT_EQ(row.integer(QStringLiteral("cdven")), 0);
    EXPECT_EQ(row.text(QStringLiteral("nmsol")), QString());
    EXPECT_EQ(row.text(QStringLiteral("infadicional")), QString());
    // Both stamps: the moment of creation, then the user.
    static const QRegularExpression stamp(
        QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d TESTE$"));
    EXPECT_TRUE(stamp.match(row.text(QStringLiteral("evcad"))).hasMatch());
    EXPECT_EQ(row.text(QStringLiteral("uev")), row.text(QStringLiteral("evcad")));
    EXPECT_EQ(numbers(list), QStringList{shown});
}

// Only an order with neither receivables nor cost lines goes, its service
// lines with it; one already deleted elsewhere is said to be invalid.
TEST_F(OrderList, DeletingAQuote) {
    const qint64 keep = ordem(QStringLiteral("0"));
    const qint64 billed =
        ordem(QStringLiteral("1"), cliente(QStringLiteral("JOSÉ")), QStringLiteral("2024-04-01"));
    const qint64 costed = ordem(QStringLiteral("1"), 0, QStringLiteral("2024-04-02"));
    const qint64 gone = ordem(QStringLiteral("1"), 0, QStringLiteral("2024-04-03"));
    for (qint64 osnr : {keep, billed, costed, gone})
        servico(osnr, QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("0"));
    cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo) values ('C1', ?, 'P')"),
               {db::integer(costed)});
    cn.execute(QStringLiteral("insert into creceber (nrdoc, refdoc) values (?, ?)"),
               {QStringLiteral("%1001001").arg(billed, 10, 10, QLatin1Char('0')),
                QStringLiteral("%1").arg(billed, 10, 10, QLatin1Char('0'))});

    frmOS_ListaOrc list;
    auto remove = [&](int row, dlg::Answer answer) {
        dialogs.clear();
        list.DataGrid1->setCurrentIndex(list.DataGrid1->model()->index(row, 0));
        dialogs.answer(answer);
        list.Command3_Click();
    };
    remove(1, dlg::Answer::No);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("Confirma a exclusão do item selecionado?\nO.S. No: %1\nCliente: JOSÉ")
                  .arg(billed));
    EXPECT_EQ(count(QStringLiteral("os_cab")), 4);

    for (int row : {1, 2}) {
        SCOPED_TRACE(row == 1 ? "with a receivable" : "with a cost line");
        remove(row, dlg::Answer::Yes);
        ASSERT_EQ(dialogs.messages().size(), 2u);
        EXPECT_EQ(dialogs.messages().back().text,
                  QStringLiteral("--- ERRO --- ORDEM COM CONTAS A RECEBER OU CUSTOS NÃO PODE SER "
                                 "EXCLUÍDA!"));
        EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages().back().icon, dlg::Icon::Critical);
        EXPECT_EQ(count(QStringLiteral("os_cab")), 4);
        EXPECT_EQ(count(QStringLiteral("os_srv")), 4);
    }

    remove(3, dlg::Answer::Yes);
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Excluído com sucesso!"));
    EXPECT_EQ(numbers(list), (QStringList{n(keep), n(billed), n(costed)}));
    EXPECT_EQ(count(QStringLiteral("os_srv")), 3);
    EXPECT_EQ(count(QStringLiteral("os_custos")), 1);
    EXPECT_EQ(count(QStringLiteral("creceber")), 1);

    // Another station deletes the order while the question is open.
    dialogs.onMessage([&](const dlg::Message& m) {
        if (m.buttons == dlg::Buttons::YesNo)
            cn.execute(QStringLiteral("delete from os_cab where osnr = ?"), {db::integer(keep)});
    });
    remove(0, dlg::Answer::Yes);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("--- ERRO --- ORDEM NÃO ENCONTRADA! CONSULTE NOVAMENTE."));
    EXPECT_FALSE(dialogs.sawText(QStringLiteral("Excluído com sucesso!")));
    EXPECT_EQ(numbers(list), (QStringList{n(billed), n(costed)}));
}

TEST_F(OrderList, EmptyListIgnoresRowCommands) {
    frmOS_ListaOrc list;
    list.Command2_Click();
    list.Command3_Click();
    list.Command6_Click();
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(OrderList, Filters) {
    const qint64 maria = cliente(QStringLiteral("MARIA"), QStringLiteral("SANTOS"));
    const qint64 jose = cliente(QStringLiteral("JOSÉ"), QStringLiteral("CAMPINAS"));
    const qint64 q0 = ordem(QStringLiteral("0"), maria, "2024-01-01", QStringLiteral("ANA"));
    const qint64 q1 = ordem(QStringLiteral("1"), jose, "2024-01-02", QStringLiteral("BIA"));
    const qint64 done = ordem(QStringLiteral("4"), maria, "2024-01-03", QStringLiteral("O'HARA"));
    struct Case {
        const char* name;
        QList<std::optional<QString>> answers;
        QStringList listed;
        const char* message;
    };
    const QList<Case> cases = {
        {"status 1", {"0", "1"}, {n(q1)}, nullptr},
        {"status 2 is refused", {"0", "2"}, {n(q0), n(q1)}, "Opção inválida!"},
        {"client, every status", {"1", "ARI"}, {n(q0), n(done)}, nullptr},
        {"city", {"2", "CAMP"}, {n(q1)}, nullptr},
        {"requester with a quote", {"3", "O'H"}, {n(done)}, nullptr},
        {"empty text lists all clients", {"1", ""}, {n(q1), n(q0), n(done)}, nullptr},
        {"menu again, then clear", {"", "7", "9"}, {n(q0), n(q1)}, nullptr},
        {"cancel at the menu", {std::nullopt}, {n(q0), n(q1)}, nullptr},
        {"cancel in the status box", {"0", std::nullopt}, {n(q0), n(q1)}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmOS_ListaOrc list;
        dialogs.clear();
        for (const auto& a : c.answers)
            dialogs.answerInput(a);
        list.Command4_Click();
        EXPECT_EQ(dialogs.pending(), 0);
        EXPECT_EQ(numbers(list), c.listed);
        EXPECT_EQ(dialogs.sawText(QString::fromUtf8(c.message ? c.message : "")),
                  c.message != nullptr);
    }
    const auto& menu = dialogs.shown().front();
    EXPECT_EQ(menu.text, QStringLiteral("0 - SITUAÇÃO\n1 - CLIENTE\n2 - CIDADE\n3 - SOLICITANTE\n"
                                        "9 - LIMPAR FILTROS"));
    EXPECT_EQ(menu.arguments, QStringList{QStringLiteral("ESCOLHA UMA OPÇÃO ABAIXO")});
}

// A filter brings back orders of any status into the quote window; a
// completed one opens there for viewing and printing only.
TEST_F(OrderList, FilteredOrderOfAnyStatusOpensInTheQuoteWindow) {
    const qint64 cli = cliente(QStringLiteral("MARIA"));
    const qint64 vendedor = colaborador(QStringLiteral("PEDRO"));
    const qint64 running = ordem(QStringLiteral("3"), cli, QStringLiteral("2024-03-05"),
                                 QStringLiteral("JOÃO"), vendedor);
    const qint64 done = ordem(QStringLiteral("4"), cli, QStringLiteral("2024-03-06"),
                              QStringLiteral("JOÃO"), vendedor);
    servico(done, QStringLiteral("1"), QStringLiteral("222"), QStringLiteral("0"));
    const QStringList before = rows(QStringLiteral("select * from os_srv"));
    const QString header = QStringLiteral("select * from os_cab where osnr = ?");
    const QStringList doneHeader = rows(header, {done});
    frmOS_ListaOrc list;
    list.show();
    dialogs.answerInput(QStringLiteral("1"));
    dialogs.answerInput(QStringLiteral("MARIA"));
    list.Command4_Click();
    ASSERT_EQ(numbers(list), (QStringList{n(running), n(done)}));

    struct Seen {
        QString number, status;
        bool salvar = false, descontos = false, linha = false, imprimir = false;
    };
    auto openRow = [&](int row, const std::function<void(frmOS_Orc*)>& act) {
        Seen seen;
        list.DataGrid1->setCurrentIndex(list.DataGrid1->model()->index(row, 0));
        testsupport::whenModal<frmOS_Orc>([&](frmOS_Orc* quote) {
            ordertest::leave(quote->txtOsNo, quote->txtDt);
            seen = {quote->txtOsNo->text(),
                    quote->cboSit->currentText(),
                    quote->Command1->isEnabled(),
                    quote->Command4->isEnabled(),
                    quote->Frame1->Command2->isEnabled(),
                    quote->Command3->isEnabled()};
            act(quote);
            quote->close();
        });
        ordertest::press(list.DataGrid1, Qt::Key_F3);
        return seen;
    };
    const Seen open = openRow(0, [](frmOS_Orc*) {});
    EXPECT_EQ(open.number, n(running));
    EXPECT_TRUE(open.salvar && open.descontos && open.linha && open.imprimir);

    dialogs.clear();
    const Seen completed = openRow(1, [&](frmOS_Orc* quote) {
        ServiceLinesFrame* f = quote->Frame1;
        EXPECT_FALSE(f->txtDsSRV->isEnabled());
        EXPECT_FALSE(f->txtVU->isEnabled());
        // Clicks on what is disabled, and the grid's row gesture, do nothing.
        quote->Command1->click();
        quote->Command4->click();
        f->Command2->click();
        f->DataGrid1->setCurrentIndex(f->DataGrid1->model()->index(0, 0));
        ordertest::press(f->DataGrid1, Qt::Key_Return);
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(f->lTL->text(),
                  QStringLiteral("SubTotal: R$ 222,00 Descontos: R$ 0,00 Total: R$ 222,00"));
        quote->Command3->click();
    });
    EXPECT_EQ(completed.number, n(done));
    EXPECT_EQ(completed.status, QStringLiteral("4 - Concluída"));
    EXPECT_FALSE(completed.salvar || completed.descontos || completed.linha);
    EXPECT_TRUE(completed.imprimir);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown().front().kind, QStringLiteral("document"));
    EXPECT_EQ(rows(QStringLiteral("select * from os_srv")), before);
    EXPECT_EQ(rows(header, {done}), doneHeader);
}

TEST_F(OrderList, PrintWritesAndOpensTheSimplifiedDocument) {
    const qint64 osnr = ordem(QStringLiteral("0"));
    frmOS_ListaOrc list;
    list.Command6_Click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown().front().kind, QStringLiteral("document"));
    EXPECT_EQ(dialogs.shown().front().text, shared::gArquivoPDF);
    EXPECT_TRUE(shared::gArquivoPDF.endsWith(QStringLiteral("/temp/OS_%1.pdf").arg(osnr)));
    EXPECT_TRUE(QFile::exists(shared::gArquivoPDF));
    EXPECT_TRUE(list.isEnabled());
}

// Quotes open without blocking; orders in progress block the main window.
TEST_F(OrderList, RegisteredByFormName) {
    QWidget owner;
    ASSERT_TRUE(windows::open(QStringLiteral("frmOS_ListaOrc"), &owner));
    auto* quotes = owner.findChild<frmOS_ListaOrc*>();
    ASSERT_NE(quotes, nullptr);
    EXPECT_TRUE(quotes->isVisible());
    EXPECT_FALSE(quotes->isModal());
    EXPECT_EQ(quotes->modo(), QStringLiteral("O"));
    shared::abreConexao();
    ordertest::press(quotes->DataGrid1, Qt::Key_Escape);
    EXPECT_FALSE(shared::gCn().isOpen());
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(owner.findChild<frmOS_ListaOrc*>(), nullptr);

    shared::gModoOS = QStringLiteral("A");
    QString mode;
    testsupport::whenModal<frmOS_ListaOrc>([&](frmOS_ListaOrc* list) {
        mode = list->modo();
        list->close();
    });
    windows::open(QStringLiteral("frmOS_ListaOrc"), &owner);
    EXPECT_EQ(mode, QStringLiteral("A"));
}

// Every window, with its panel of instalments shown, fits the free area.
TEST_F(OrderList, EveryWindowFitsTheDesktopsFreeArea) {
    const std::vector<std::pair<const char*, std::function<DataForm*()>>> windows = {
        {"frmcadcli", [] { return new frmcadcli; }},
        {"frmCadFor", [] { return new frmCadFor; }},
        {"frmCadVendedor", [] { return new frmCadVendedor; }},
        {"frmCadGrupoEstoque", [] { return new frmCadGrupoEstoque; }},
        {"frmCadProduto", [] { return new frmCadProduto; }},
        {"frmBuscaCliente", [] { return new frmBuscaCliente; }},
        {"frmBuscaProd", [] { return new frmBuscaProd; }},
        {"frmCadCentroCusto", [] { return new frmCadCentroCusto; }},
        {"frmCadSubCentro", [] { return new frmCadSubCentro; }},
        {"frmBuscaCentroCusto", [] { return new frmBuscaCentroCusto; }},
        {"frmlancontas", [] { return new frmlancontas; }},
        {"frmCPagar_Baixa", [] { return new frmCPagar_Baixa; }},
        {"frmCPagar_BaixaPendente", [] { return new frmCPagar_BaixaPendente; }},
        {"frmCReceber_Baixa", [] { return new frmCReceber_Baixa; }},
        {"frmInsumos_Compra", [] { return new frmInsumos_Compra; }},
        {"frmInsumos_Destino", [] { return new frmInsumos_Destino; }},
        {"frmOS_Custos", [] { return new frmOS_Custos; }},
        {"frmOS_GerFinan", [] { return new frmOS_GerFinan; }},
        {"frmOS_Servicos", [] { return new frmOS_Servicos; }},
        {"frmOs_MNT", [] { return new frmOs_MNT; }},
        {"frmOS_Orc", [] { return new frmOS_Orc; }},
        {"frmOS_ListaOrc", [] { return new frmOS_ListaOrc; }},
        {"frmOS_CadCategoria", [] { return new frmOS_CadCategoria; }},
        {"frmBuscaOS", [] { return new frmBuscaOS; }},
        {"frmcademp", [] { return new frmcademp; }},
        {"frmcadusuario", [] { return new frmcadusuario; }},
    };
    for (const auto& [name, make] : windows) {
        SCOPED_TRACE(name);
        std::unique_ptr<DataForm> form(make());
        form->show();
        // A panel of instalments, where the window has one, shown.
        if (auto* panel = form->findChild<QWidget*>(QStringLiteral("frmVCT")))
            panel->show();
        testsupport::expectInsideTheFreeArea(*form);
    }
}
