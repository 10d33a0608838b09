#include "platform/data_grid.h"
#include "service_orders/custo_rules.h"
#include "service_orders/frmBuscaOS.h"
#include "service_orders/frmInsumos_Compra.h"
#include "service_orders/frmInsumos_Destino.h"
#include "tests/service_orders/supply_test_support.h"
#include "tests/support/modal.h"
#include "tests/support/other_station.h"
#include "tests/support/typing.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <optional>

using regtest::columnTexts;

class Allocation : public supplytest::SupplyTest {
protected:
    void SetUp() override {
        SupplyTest::SetUp();
        supplier = addSupplier(QStringLiteral("DEPÓSITO"));
        addSupply(QStringLiteral("P1"), QStringLiteral("TINTA"), QStringLiteral("GL"),
                  QStringLiteral("1"));
        addSupply(QStringLiteral("P2"), QStringLiteral("LIXA"), QStringLiteral("UN"),
                  QStringLiteral("1"));
        addSupply(QStringLiteral("P3"), QStringLiteral("FITA"), QStringLiteral("RL"),
                  QStringLiteral("1"));
        addItem("I1", "P1", "10", "4", "12.5", "0.75");
        addItem("I2", "P2", "5", "0", "2", "0");
        addItem("I3", "P3", "1", "0", "3", "0");
        cn.execute(QStringLiteral("insert into insumos_cmp (idlan, cdfor, serie, nfiscal, modelo, "
                                  "cdpro, qtde) values ('OUTRA', ?, '9', '9', '55', 'P1', 7)"),
                   {supplier});
        addCategory(QStringLiteral("PINTURA"));
        approved = addOrder(QStringLiteral("2"), addClient(QStringLiteral("ANA LIMA")));
        purchase = std::make_unique<frmInsumos_Compra>();
        purchase->txtCdFor->setText(QString::number(supplier));
        purchase->txtSerie->setText(QStringLiteral("1"));
        purchase->txtNFiscal->setText(QStringLiteral("123"));
        purchase->txtModelo->setText(QStringLiteral("55"));
    }
    void addItem(const char* idlan, const char* cdpro, const char* qtde, const char* qtdest,
                 const char* vfinal, const char* vfrete) {
        cn.execute(QStringLiteral("insert into insumos_cmp (idlan, cdfor, serie, nfiscal, modelo, "
                                  "cdpro, qtde, qtdest, vfinal, vfrete, evcad) values (?, ?, '1', "
                                  "'123', '55', ?, ?, ?, ?, ?, 'ANA')"),
                   {QString::fromLatin1(idlan), supplier, QString::fromLatin1(cdpro),
                    QString::fromLatin1(qtde), QString::fromLatin1(qtdest),
                    QString::fromLatin1(vfinal), QString::fromLatin1(vfrete)});
    }
    std::unique_ptr<frmInsumos_Destino> open() {
        auto form = std::make_unique<frmInsumos_Destino>(purchase.get());
        showActive(form.get());
        return form;
    }
    void choose(frmInsumos_Destino& form, int row) {
        form.DataGrid1->setCurrentIndex(form.DataGrid1->model()->index(row, 0));
        form.DataGrid1_DblClick();
    }
    // Order, category and quantity typed into the allocation frame. Leaving
    // the order box looks the order up only in the active window, which a
    // window just opened modally may not be yet.
    void fill(frmInsumos_Destino& form, qint64 osnr, int category, const QString& qtde) {
        showActive(&form);
        form.txtOS->setFocus();
        form.txtOS->setText(QString::number(osnr));
        form.cboCT->setFocus();
        form.cboCT->setCurrentIndex(category);
        form.txtQtde->setText(qtde);
    }
    // The purchase window listing the items, its key boxes left as a user
    // leaves them.
    void listPurchase() {
        showActive(purchase.get());
        purchase->txtSerie->setFocus();
        purchase->txtModelo->setFocus();
        purchase->txtDTe->setFocus();
    }
    // "Encerrar Compra": `allocate` done in the allocation window, which is
    // then left, and the purchase kept open.
    void allocateKeepingOpen(const std::function<void(frmInsumos_Destino&)>& allocate) {
        testsupport::whenModal<frmInsumos_Destino>([&](frmInsumos_Destino* form) {
            allocate(*form);
            form->Command2_Click();
            QTest::keyClick(form->DataGrid1, Qt::Key_Escape);
        });
        dialogs.answer(dlg::Answer::No);
        purchase->Command8_Click();
    }
    QString qtdest(const char* idlan) {
        return value(QStringLiteral("select qtdest from insumos_cmp where idlan = ?"),
                     {QString::fromLatin1(idlan)});
    }
    qint64 supplier = 0;
    qint64 approved = 0;
    std::unique_ptr<frmInsumos_Compra> purchase;
};

TEST_F(Allocation, ChoosingAnItemOffersWhatRemains) {
    auto form = open();
    const QAbstractItemModel* items = form->DataGrid1->model();
    EXPECT_EQ(columnTexts(items, 0),
              (QStringList{QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("P3")}));
    EXPECT_EQ(columnTexts(items, 4).value(0), QStringLiteral("4,00"));
    EXPECT_TRUE(form->frmDest->isHidden());
    EXPECT_FALSE(form->DataGrid2->isEnabled());
    choose(*form, 0);
    EXPECT_FALSE(form->frmDest->isHidden());
    EXPECT_TRUE(form->DataGrid2->isEnabled());
    EXPECT_EQ(form->lPro->text(), QStringLiteral("TINTA GL"));
    EXPECT_EQ(form->txtQtde->text(), QStringLiteral("6"));
    EXPECT_TRUE(form->cboCT->hasFocus());
}

TEST_F(Allocation, AllocationsAreCheckedInOrder) {
    const qint64 quote = addOrder(QStringLiteral("0"));
    const qint64 negotiating = addOrder(QStringLiteral("1"));
    const qint64 concluded = addOrder(QStringLiteral("4"));
    const qint64 inProgress = addOrder(QStringLiteral("3"));
    struct Case {
        qint64 osnr;
        int category;
        const char* qtde;
        const char* message; // nullptr: accepted
    };
    const char* status = "--- ERRO --- O.S. NÃO POSSUI STATUS 2 OU 3!";
    const std::vector<Case> cases = {
        {quote, -1, "X", "--- ERRO --- SELECIONE UM CATEGORIA!"},
        {quote, 0, "1", status},
        {negotiating, 0, "1", status},
        {concluded, 0, "1", status},
        {999, 0, "1", status},
        {inProgress, 0, "X", "--- ERRO --- QTDE DESTINADA INVÁLIDA!"},
        {inProgress, 0, "0", "--- ERRO --- QTDE DESTINADA NÃO SER MENOR E/OU IGUAL A ZERO!"},
        {inProgress, 0, "6,5", "--- ERRO --- QTDE DESTINADA SUPERIOR A QTDE COMPRADA!"},
        {inProgress, 0, "6", nullptr},
    };
    auto form = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "accepted");
        dialogs.clear();
        choose(*form, 0);
        fill(*form, c.osnr, c.category, QString::fromLatin1(c.qtde));
        form->Command1_Click();
        if (c.message == nullptr) {
            EXPECT_TRUE(dialogs.shown().empty());
            continue;
        }
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages()[0].icon, dlg::Icon::Exclamation);
        EXPECT_EQ(qtdest("I1"), QStringLiteral("4.0000"));
        EXPECT_EQ(count(QStringLiteral("os_custos")), 0);
    }
    EXPECT_EQ(qtdest("I1"), QStringLiteral("10.0000"));
}

TEST_F(Allocation, AnAllocationBecomesASupplyCostLineAndMovesOn) {
    auto form = open();
    choose(*form, 0);
    fill(*form, approved, 0, QStringLiteral("3"));
    form->Command1_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(qtdest("I1"), QStringLiteral("7.0000"));
    const db::Recordset line = cn.query(QStringLiteral("select * from os_custos"));
    ASSERT_EQ(line.rowCount(), 1);
    EXPECT_EQ(line.integer(QStringLiteral("osnr")), approved);
    EXPECT_EQ(line.text(QStringLiteral("tipo")), QStringLiteral("P"));
    EXPECT_EQ(line.text(QStringLiteral("cdpro")), QStringLiteral("P1"));
    EXPECT_EQ(line.text(QStringLiteral("dspro")), QStringLiteral("TINTA"));
    EXPECT_EQ(line.text(QStringLiteral("un")), QStringLiteral("GL"));
    EXPECT_EQ(line.text(QStringLiteral("valor")), QStringLiteral("13.2500"));
    EXPECT_EQ(line.text(QStringLiteral("qtde")), QStringLiteral("3.0000"));
    EXPECT_EQ(line.text(QStringLiteral("idest")), QStringLiteral("I1"));
    EXPECT_EQ(line.integer(QStringLiteral("cdcat")), 1);
    EXPECT_TRUE(line.text(QStringLiteral("idlan")).startsWith(QString::number(approved) + "_"));
    EXPECT_TRUE(line.text(QStringLiteral("evcad")).endsWith(QStringLiteral(" TESTE")));

    // On to the next item, with the order and category kept.
    EXPECT_EQ(form->lPro->text(), QStringLiteral("LIXA UN"));
    EXPECT_EQ(form->txtQtde->text(), QStringLiteral("5"));
    EXPECT_EQ(form->txtNmCli->text(), QStringLiteral("ANA LIMA"));
    EXPECT_EQ(form->DataGrid1->currentIndex().row(), 1);
    EXPECT_EQ(form->DataGrid2->model()->rowCount(), 0);
    form->Command1_Click();
    EXPECT_EQ(qtdest("I2"), QStringLiteral("5.0000"));
    // Back to the first item: its allocation is listed.
    form->Command4_Click();
    form->Command4_Click();
    EXPECT_EQ(form->lPro->text(), QStringLiteral("TINTA GL"));
    EXPECT_EQ(form->txtQtde->text(), QStringLiteral("3"));
    EXPECT_EQ(columnTexts(form->DataGrid2->model(), 0), QStringList{QString::number(approved)});
    EXPECT_EQ(columnTexts(form->DataGrid2->model(), 1), QStringList{QStringLiteral("3,00")});
    EXPECT_EQ(columnTexts(form->DataGrid2->model(), 2), QStringList{QStringLiteral("PINTURA")});
}

TEST_F(Allocation, AReversalReturnsExactlyThatLine) {
    auto form = open();
    choose(*form, 0);
    fill(*form, approved, 0, QStringLiteral("3"));
    form->Command1_Click();
    cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, qtde, valor, cdcat) "
                              "values ('TYPED', ?, 'S', 1, 50, 1)"),
               {approved});
    form->Command4_Click();
    ASSERT_EQ(form->DataGrid2->model()->rowCount(), 1);
    form->DataGrid2->setCurrentIndex(form->DataGrid2->model()->index(0, 0));
    dialogs.answer(dlg::Answer::No);
    form->DataGrid2_DblClick();
    EXPECT_EQ(qtdest("I1"), QStringLiteral("7.0000"));
    dialogs.answer(dlg::Answer::Yes);
    form->DataGrid2_DblClick();
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("Confirma o estorno da destinação do item selecionado?"));
    EXPECT_EQ(dialogs.messages()[0].defaultButton, dlg::Answer::No);
    EXPECT_EQ(qtdest("I1"), QStringLiteral("4.0000"));
    EXPECT_EQ(value(QStringLiteral("select group_concat(idlan) from os_custos")),
              QStringLiteral("TYPED"));
    EXPECT_EQ(form->DataGrid2->model()->rowCount(), 0);
    EXPECT_EQ(columnTexts(form->DataGrid1->model(), 4).value(0), QStringLiteral("4,00"));
    EXPECT_TRUE(form->isEnabled());

    // A line another station reversed while the question was open gives
    // nothing back a second time: said so, and both lists read again.
    fill(*form, approved, 0, QStringLiteral("2"));
    form->Command1_Click();
    form->Command4_Click();
    form->DataGrid2->setCurrentIndex(form->DataGrid2->model()->index(0, 0));
    dialogs.clear();
    dialogs.onMessage([this](const dlg::Message& m) {
        if (m.buttons != dlg::Buttons::YesNo)
            return;
        cn.execute(QStringLiteral("delete from os_custos where idlan <> 'TYPED'"));
        cn.execute(QStringLiteral("update insumos_cmp set qtdest = qtdest - 2 where idlan = 'I1'"));
    });
    dialogs.answer(dlg::Answer::Yes);
    form->DataGrid2_DblClick();
    dialogs.onMessage({});
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(
        dialogs.messages()[1].text,
        QStringLiteral("--- ERRO --- REGISTRO ALTERADO POR OUTRO USUÁRIO! CONSULTE NOVAMENTE."));
    EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(qtdest("I1"), QStringLiteral("4.0000"));
    EXPECT_EQ(form->DataGrid2->model()->rowCount(), 0);
    EXPECT_EQ(columnTexts(form->DataGrid1->model(), 4).value(0), QStringLiteral("4,00"));

    // An item holding less than the line gave it is never taken below zero:
    // nothing is written.
    fill(*form, approved, 0, QStringLiteral("3"));
    form->Command1_Click();
    form->Command4_Click();
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 1 where idlan = 'I1'"));
    form->DataGrid2->setCurrentIndex(form->DataGrid2->model()->index(0, 0));
    dialogs.clear();
    dialogs.answer(dlg::Answer::Yes);
    form->DataGrid2_DblClick();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].text,
              QStringLiteral("--- ERRO --- ESTOQUE DO ITEM INCONSISTENTE! CONSULTE A COMPRA."));
    EXPECT_EQ(qtdest("I1"), QStringLiteral("1.0000"));
    EXPECT_EQ(count(QStringLiteral("os_custos")), 2);
    EXPECT_EQ(form->DataGrid2->model()->rowCount(), 1);
    EXPECT_EQ(columnTexts(form->DataGrid1->model(), 4).value(0), QStringLiteral("1,00"));
    EXPECT_TRUE(form->isEnabled());
}

// Freight spread after an allocation reaches the cost lines allocated from
// the items, so the orders' supplies cost carries it; a completed order's
// lines keep the value it was completed with, and the question names it.
TEST_F(Allocation, FreightAfterAnAllocationReachesItsCostLines) {
    const qint64 other = addOrder(QStringLiteral("3"));
    listPurchase();
    allocateKeepingOpen([&](frmInsumos_Destino& form) {
        choose(form, 1);
        fill(form, approved, 0, QStringLiteral("4"));
        form.Command1_Click();
        fill(form, other, 0, QStringLiteral("1"));
        form.Command1_Click();
    });
    const QString lines = QStringLiteral("select group_concat(valor order by osnr) from os_custos");
    const QString freight = QStringLiteral(
        "select group_concat(vfrete order by idlan) from insumos_cmp where serie = '1'");
    EXPECT_EQ(value(lines), QStringLiteral("2.0000,3.0000"));
    auto spread = [&](const char* amount, std::initializer_list<dlg::Answer> answers) {
        dialogs.clear();
        dialogs.answerInput(QLatin1String(amount));
        for (dlg::Answer answer : answers)
            dialogs.answer(answer);
        purchase->Command5_Click();
    };

    // 13,80 over goods of 138,00: a tenth of each unit value.
    spread("13,80", {dlg::Answer::Yes});
    EXPECT_EQ(value(freight), QStringLiteral("1.2500,0.2000,0.3000"));
    EXPECT_EQ(value(lines), QStringLiteral("2.2000,3.3000"));
    EXPECT_EQ(leTotaisCustos(cn, approved).insumos.toSql(2), QStringLiteral("8.80"));

    // The other order completed: its line keeps its value, the purchase
    // takes the freight, the open order its share.
    cn.execute(QStringLiteral("update os_cab set ossit = '4' where osnr = ?"), {other});
    spread("27,60", {dlg::Answer::No});
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("Confirma o rateio de frete no valor de: 27,60 ?\n"
                                         "A ordem concluída %1 mantém o valor de seus custos.")
                              .arg(other)});
    EXPECT_EQ(value(freight), QStringLiteral("1.2500,0.2000,0.3000"));
    spread("27,60", {dlg::Answer::Yes});
    EXPECT_EQ(value(freight), QStringLiteral("2.5000,0.4000,0.6000"));
    EXPECT_EQ(value(lines), QStringLiteral("2.4000,3.3000"));
    EXPECT_EQ(dialogs.messages().size(), 1u);

    // Another station completes the open order while the question is open:
    // asked again, naming both, before anything is written.
    dialogs.onMessage([&](const dlg::Message& m) {
        if (m.buttons == dlg::Buttons::YesNo)
            cn.execute(QStringLiteral("update os_cab set ossit = '4' where osnr = ?"), {approved});
    });
    spread("41,40", {dlg::Answer::Yes, dlg::Answer::Yes});
    dialogs.onMessage({});
    ASSERT_EQ(dialogs.texts().size(), 2);
    EXPECT_EQ(dialogs.texts().back(),
              QStringLiteral("Confirma o rateio de frete no valor de: 41,40 ?\n"
                             "As ordens concluídas %1, %2 mantêm o valor de seus custos.")
                  .arg(std::min(approved, other))
                  .arg(std::max(approved, other)));
    EXPECT_EQ(value(freight), QStringLiteral("3.7500,0.6000,0.9000"));
    EXPECT_EQ(value(lines), QStringLiteral("2.4000,3.3000"));
    EXPECT_TRUE(purchase->isVisible());
}

TEST_F(Allocation, QuantityAndCostLineAreWrittenTogether) {
    auto form = open();
    choose(*form, 0);
    fill(*form, approved, 0, QStringLiteral("2"));
    cn.execute(QStringLiteral("rename table os_custos to os_custos_fora"));
    form->Command1_Click();
    cn.execute(QStringLiteral("rename table os_custos_fora to os_custos"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(qtdest("I1"), QStringLiteral("4.0000"));
    EXPECT_EQ(form->lPro->text(), QStringLiteral("TINTA GL"));
    EXPECT_EQ(form->txtQtde->text(), QStringLiteral("2"));
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Allocation, NoMoreThanWasBoughtEvenWhenTheListIsOld) {
    auto form = open();
    choose(*form, 0);
    // Another window allocated 5 after this list was read.
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 9 where idlan = 'I1'"));
    fill(*form, approved, 0, QStringLiteral("6"));
    form->Command1_Click();
    EXPECT_TRUE(
        dialogs.sawText(QStringLiteral("--- ERRO --- QTDE DESTINADA SUPERIOR A QTDE COMPRADA!")));
    EXPECT_EQ(qtdest("I1"), QStringLiteral("9.0000"));
    EXPECT_EQ(count(QStringLiteral("os_custos")), 0);
    // The list is read again, so what is left is offered.
    EXPECT_EQ(form->txtQtde->text(), QStringLiteral("1"));
}

// What another station did after the order was looked up, or a lock it
// keeps through every attempt: nothing is allocated.
TEST_F(Allocation, AStaleOrBusyAllocationWritesNothing) {
    const struct {
        const char* what;
        const char* status; // the order's status set by the other station
        const char* conflict;
        QString message;
    } cases[] = {
        {"completed meanwhile", "4", nullptr,
         QStringLiteral("--- ERRO --- O.S. NÃO POSSUI STATUS 2 OU 3!")},
        {"kept in use", "3", "before insert on os_custos", supplytest::kEmUso},
    };
    auto form = open();
    choose(*form, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cn.execute(QStringLiteral("update os_cab set ossit = '2' where osnr = ?"), {approved});
        fill(*form, approved, 0, QStringLiteral("2"));
        ASSERT_EQ(form->txtNmCli->text(), QStringLiteral("ANA LIMA"));
        cn.execute(QStringLiteral("update os_cab set ossit = ? where osnr = ?"),
                   {QString::fromLatin1(c.status), approved});
        dialogs.clear();
        {
            std::optional<testsupport::LastingConflict> conflict;
            if (c.conflict)
                conflict.emplace(cn, QString::fromLatin1(c.conflict));
            form->Command1_Click();
        }
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, c.message);
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(qtdest("I1"), QStringLiteral("4.0000"));
        EXPECT_EQ(count(QStringLiteral("os_custos")), 0);
        EXPECT_TRUE(form->isEnabled());
    }
    // With the lock gone the same allocation goes through.
    dialogs.clear();
    form->Command1_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(qtdest("I1"), QStringLiteral("6.0000"));

    // An order deleted after it was looked up is said to be gone.
    fill(*form, approved, 0, QStringLiteral("1"));
    cn.execute(QStringLiteral("delete from os_cab where osnr = ?"), {approved});
    dialogs.clear();
    form->Command1_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("--- ERRO --- ORDEM NÃO ENCONTRADA! CONSULTE NOVAMENTE."));
    EXPECT_EQ(qtdest("I2"), QStringLiteral("0.0000"));
    EXPECT_EQ(count(QStringLiteral("os_custos")), 1);
}

TEST_F(Allocation, MoreThanFourDecimalsAreRoundedOnceForBoth) {
    auto form = open();
    choose(*form, 1);
    fill(*form, approved, 0, QStringLiteral("1,23456"));
    form->Command1_Click();
    EXPECT_EQ(qtdest("I2"), QStringLiteral("1.2346"));
    EXPECT_EQ(value(QStringLiteral("select qtde from os_custos")), QStringLiteral("1.2346"));
}

TEST_F(Allocation, MovingPastTheEnds) {
    auto form = open();
    choose(*form, 2);
    fill(*form, approved, 0, QStringLiteral("1"));
    form->Command1_Click();
    // After the last item the frame stays; saving there allocates nothing.
    EXPECT_FALSE(form->frmDest->isHidden());
    EXPECT_EQ(form->DataGrid1->currentRow(), -1);
    form->Command1_Click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("Final da lista!")));
    EXPECT_TRUE(form->frmDest->isHidden());
    EXPECT_EQ(count(QStringLiteral("os_custos")), 1);

    dialogs.clear();
    choose(*form, 2);
    QTest::keyClick(form->txtQtde, Qt::Key_F11);
    EXPECT_TRUE(dialogs.shown().empty());
    QTest::keyClick(form->txtQtde, Qt::Key_F11);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Atenção"));
    EXPECT_TRUE(form->frmDest->isHidden());
    EXPECT_FALSE(form->DataGrid2->isEnabled());

    // F12 from the first item stays on it; from past the end it goes to the last.
    choose(*form, 0);
    QTest::keyClick(form->txtQtde, Qt::Key_F12);
    EXPECT_EQ(form->lPro->text(), QStringLiteral("TINTA GL"));
    choose(*form, 2);
    QTest::keyClick(form->txtQtde, Qt::Key_F11);
    QTest::keyClick(form->txtQtde, Qt::Key_F12);
    EXPECT_EQ(form->lPro->text(), QStringLiteral("FITA RL"));
    EXPECT_EQ(form->DataGrid1->currentRow(), 2);
}

TEST_F(Allocation, KeysAndTypingInTheFrame) {
    auto form = open();
    // F2 and F11 do nothing while no item is chosen.
    QTest::keyClick(form->DataGrid1, Qt::Key_F11);
    QTest::keyClick(form->DataGrid1, Qt::Key_F2);
    EXPECT_TRUE(dialogs.shown().empty());
    choose(*form, 0);
    testsupport::whenModal<frmBuscaOS>([](frmBuscaOS* picker) {
        picker->Command1_Click();
        QTest::keyClick(picker->DataGrid1, Qt::Key_F10);
    });
    dialogs.answerInput(QStringLiteral("ana"));
    QTest::keyClick(form->cboCT, Qt::Key_F2);
    EXPECT_EQ(form->txtOS->text(), QString::number(approved));
    EXPECT_EQ(form->focusWidget(), form->txtOS);
    // Typed letters keep their case here.
    showActive(form.get());
    form->txtQtde->setFocus();
    form->txtQtde->clear();
    testsupport::type(form->txtQtde, QStringLiteral("abc"));
    EXPECT_EQ(form->txtQtde->text(), QStringLiteral("abc"));
    // Esc hides the frame first, then closes the window.
    QTest::keyClick(form->txtQtde, Qt::Key_Escape);
    EXPECT_TRUE(form->frmDest->isHidden());
    EXPECT_TRUE(form->isVisible());
    QTest::keyClick(form->DataGrid1, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Allocation, WithoutAPurchaseKeyNothingIsListed) {
    purchase->txtModelo->clear();
    auto form = open();
    EXPECT_EQ(form->DataGrid1->model()->rowCount(), 0);
    EXPECT_TRUE(dialogs.shown().empty());
    frmInsumos_Destino alone;
    EXPECT_EQ(alone.DataGrid1->model()->rowCount(), 0);
}

TEST_F(Allocation, ClosingThePurchaseAfterItsAllocation) {
    listPurchase();
    ASSERT_EQ(purchase->DataGrid1->model()->rowCount(), 3);
    // Allocated, but not closed.
    allocateKeepingOpen([this](frmInsumos_Destino& form) {
        choose(form, 1);
        fill(form, approved, 0, QStringLiteral("5"));
        form.Command1_Click();
    });
    EXPECT_TRUE(purchase->isVisible());
    EXPECT_EQ(qtdest("I2"), QStringLiteral("5.0000"));
    EXPECT_EQ(value(QStringLiteral("select count(*) from insumos_cmp where status = 'S'")),
              QStringLiteral("0"));
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Deseja encerrar a compra?"));

    // An item added at another station while the question is open: nothing
    // is closed, and the purchase is listed again with it.
    testsupport::whenModal<frmInsumos_Destino>(
        [](frmInsumos_Destino* form) { QTest::keyClick(form->DataGrid1, Qt::Key_Escape); });
    dialogs.clear();
    dialogs.onMessage([this](const dlg::Message& m) {
        if (m.buttons == dlg::Buttons::YesNo)
            addItem("I4", "P3", "2", "0", "3", "0");
    });
    dialogs.answer(dlg::Answer::Yes);
    purchase->Command8_Click();
    dialogs.onMessage({});
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("--- ERRO --- COMPRA ALTERADA EM OUTRA "
                                                     "ESTAÇÃO! DADOS RECARREGADOS."));
    EXPECT_EQ(value(QStringLiteral("select count(*) from insumos_cmp where status = 'S'")),
              QStringLiteral("0"));
    EXPECT_EQ(purchase->DataGrid1->model()->rowCount(), 4);
    EXPECT_TRUE(purchase->isVisible());

    // The window's own allocation before the question is no change: the
    // purchase closes with the item now listed, allocated.
    testsupport::whenModal<frmInsumos_Destino>([&](frmInsumos_Destino* form) {
        choose(*form, 3);
        fill(*form, approved, 0, QStringLiteral("2"));
        form->Command1_Click();
        form->Command2_Click();
        QTest::keyClick(form->DataGrid1, Qt::Key_Escape);
    });
    dialogs.clear();
    dialogs.answer(dlg::Answer::Yes);
    purchase->Command8_Click();
    EXPECT_EQ(qtdest("I4"), QStringLiteral("2.0000"));
    EXPECT_EQ(value(QStringLiteral("select group_concat(idlan order by idlan) from insumos_cmp "
                                   "where status = 'S'")),
              QStringLiteral("I1,I2,I3,I4"));
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("COMPRA JÁ ENCERRADA!")));
    EXPECT_FALSE(purchase->isVisible());
    EXPECT_TRUE(purchase->txtCdFor->text().isEmpty());
}

// An item saved while another station closes the purchase waits for the
// closing, then is refused: the window shows the purchase closed.
TEST_F(Allocation, AnItemSavedWhileThePurchaseClosesIsRefused) {
    listPurchase();
    purchase->txtDTe->setText(QStringLiteral("02/05/2024"));
    purchase->txtDTc->setText(QStringLiteral("03/05/2024"));
    purchase->txtCdPro->setText(QStringLiteral("P1"));
    purchase->txtCdPro_LostFocus();
    purchase->txtQtde->setText(QStringLiteral("1"));
    testsupport::OtherStation other(shared::gConexao, [this](db::Connection& second) {
        second.execute(QStringLiteral("update insumos_cmp set status = 'S' where cdfor = ? and "
                                      "serie = '1' and nfiscal = '123' and modelo = '55'"),
                       {supplier});
    });
    purchase->Command1_Click();
    EXPECT_TRUE(other.join());
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 4);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("COMPRA JÁ ENCERRADA!")});
    EXPECT_FALSE(purchase->isVisible());
}
