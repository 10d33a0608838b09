#include "finance/frmCPagar_BaixaPendente.h"
#include "finance/frmCReceber_Baixa.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "platform/db/data_control.h"
#include "platform/db/wait_bounds.h"
#include "tests/finance/finance_test_support.h"
#include "tests/registers/register_test_support.h"
#include "tests/support/lasting_conflict.h"
#include "tests/support/modal.h"
#include "tests/support/tcp_relay.h"
#include "tests/support/typing.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using fintest::columnTexts;

namespace {
const QString kDoc1 = QStringLiteral("0000000001001002");
const QString kDoc2 = QStringLiteral("0000000001002002");
const QString kAlterada =
    QStringLiteral("--- ERRO --- PARCELA ALTERADA POR OUTRO USUÁRIO! CONSULTE NOVAMENTE.");
} // namespace

class CReceberBaixa : public fintest::FinanceTest {
protected:
    void SetUp() override {
        FinanceTest::SetUp();
        cn.execute(QStringLiteral("insert into cliente (cdcli, nmcli) values (17, 'JOANA'), (18, "
                                  "'PEDRO')"));
    }
    // An instalment of an order as the receivables plan writes it.
    void instalment(const QString& nrdoc, qint64 cdcli, int dueInDays, const QString& value) {
        cn.execute(QStringLiteral("insert into creceber (nrdoc, refdoc, cdcli, dte, dtv, dtp, "
                                  "vrorig, vrpg, vrab, pago, evcad) values (?, ?, ?, ?, ?, ?, ?, "
                                  "0, ?, 'N', 'CAIXA')"),
                   {nrdoc, nrdoc.left(10), cdcli, QDate::currentDate(),
                    QDate::currentDate().addDays(dueInDays),
                    QDate::currentDate().addDays(dueInDays), value, value});
    }
    void start(frmCReceber_Baixa& f, const QString& cdcli = QStringLiteral("17")) {
        f.txtCdFor->setText(cdcli);
        f.txtCdFor_LostFocus();
        f.txtDtBX->setText(QStringLiteral("01/01/2020"));
        f.Command2_Click();
    }
    void receive(frmCReceber_Baixa& f, int row, const QString& received,
                 const QString& juros = QStringLiteral("0"),
                 const QString& descontos = QStringLiteral("0")) {
        f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(row, 0));
        f.DataGrid1_DblClick();
        f.txtVRj->setText(juros);
        f.txtVRd->setText(descontos);
        f.txtVRpg->setText(received);
        f.Command15_Click();
    }
    void pay(frmCReceber_Baixa& f, const QString& amount) {
        f.escolheMeio(4);
        f.txtVrMp->setText(amount);
        f.Command16_Click();
    }
    // The first open instalment received for `amount`; the receipt paid in cash.
    void receiveAndPay(frmCReceber_Baixa& f, const QString& amount,
                       const QString& juros = QStringLiteral("0")) {
        receive(f, 0, amount, juros);
        f.Command14_Click();
        pay(f, amount);
    }
    void close(frmCReceber_Baixa& f) {
        dialogs.answer(dlg::Answer::Yes);
        f.Command10_Click();
    }
    QString stored(const QString& nrdoc) {
        return rows(QStringLiteral("select juros, descontos, vrpg, vrab, pago from creceber where "
                                   "nrdoc = ?"),
                    {nrdoc})
            .value(0);
    }
    // The receipt's item that received `vrpg` chosen in the receipt list
    // and its reversal confirmed.
    void reverse(frmCReceber_Baixa& f, const QString& vrpg) {
        const db::Recordset& items = f.Adodc2->recordset();
        const int column = items.columnIndex(QStringLiteral("vrpg"));
        qsizetype row = 0;
        while (row < items.rowCount() && items.textAt(row, column) != vrpg)
            ++row;
        ASSERT_LT(row, items.rowCount());
        f.DataGrid2->setCurrentIndex(f.DataGrid2->model()->index(static_cast<int>(row), 0));
        dialogs.answer(dlg::Answer::Yes);
        f.DataGrid2_DblClick();
    }
    QStringList receiptRows() {
        return rows(QStringLiteral("select nrdoc, cdcli, status, vrab, juros, descontos, vrpg "
                                   "from creceber_recibos order by id"));
    }
};

TEST_F(CReceberBaixa, PartialReceiptsUntilTheInstalmentIsSettled) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    instalment(kDoc2, 17, 30, QStringLiteral("100"));
    frmCReceber_Baixa f;
    start(f);
    EXPECT_EQ(f.txtDtBX->text(), dates::toBr(QDate::currentDate()));
    EXPECT_FALSE(f.Command2->isEnabled());
    ASSERT_EQ(f.DataGrid1->model()->rowCount(), 2);
    // Payment buttons come with a client, before any item.
    EXPECT_TRUE(f.Command10->isEnabled());
    EXPECT_EQ(f.lST->text(), QStringLiteral("Valor Total em Aberto: R$ 200,00"));
    receive(f, 0, QStringLiteral("50"), QStringLiteral("10"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|50.00|60.00|N"));
    EXPECT_EQ(receiptRows(), QStringList{kDoc1 + QStringLiteral("|17|X|100.00|10.00|0.00|50.00")});
    EXPECT_EQ(columnTexts(f.DataGrid1->model(), 0), (QStringList{kDoc1, kDoc2}));
    EXPECT_EQ(f.txtVRa->text(), QStringLiteral("60,00"));
    // The totals follow the save, the frame still open.
    EXPECT_EQ(f.lST->text(), QStringLiteral("Valor Total em Aberto: R$ 160,00"));
    EXPECT_EQ(f.lPG->text(), QStringLiteral("Juros: R$ 10,00 Descontos: R$ 0,00 Total Baixado: "
                                            "R$ 50,00 Falta: R$ 50,00"));
    f.Command14_Click();
    pay(f, QStringLiteral("50"));
    // Both frames left open on the receipt being closed.
    f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(1, 0));
    f.DataGrid1_DblClick();
    f.escolheMeio(0);
    close(f);
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Baixa efetuada com sucesso!"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|50.00|60.00|N"));
    EXPECT_EQ(value(QStringLiteral("select concat(status, dtbx) from creceber_recibos")),
              QStringLiteral("S") + QDate::currentDate().toString(Qt::ISODate));
    EXPECT_EQ(rows(QStringLiteral("select cdmp, valor from creceber_recibos_mp")),
              QStringList{QStringLiteral("PIX|50.00")});
    // Nothing of the closed receipt is left on the screen to act on.
    EXPECT_TRUE(f.txtCdFor->text().isEmpty());
    EXPECT_FALSE(f.DataGrid1->isEnabled());
    EXPECT_FALSE(f.Command10->isEnabled());
    EXPECT_TRUE(f.frmDest->isHidden());
    EXPECT_TRUE(f.frmMP->isHidden());
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.totalRecibo, Decimal());
    EXPECT_EQ(f.lST->text(), QStringLiteral("Valor Total em Aberto: R$ 0,00"));
    EXPECT_EQ(f.lPG->text(), QStringLiteral("Juros: R$ 0,00 Descontos: R$ 0,00 Total Baixado: "
                                            "R$ 0,00 Falta: R$ 0,00"));

    // A second receipt brings the balance to zero: it leaves the list and is
    // settled at the closing.
    start(f);
    EXPECT_TRUE(f.DataGrid1->isEnabled());
    receive(f, 0, QStringLiteral("60"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|110.00|0.00|N"));
    EXPECT_EQ(columnTexts(f.DataGrid1->model(), 0), QStringList{kDoc2});
    f.Command14_Click();
    pay(f, QStringLiteral("60"));
    // A closed receipt that got the same number (same user, same second)
    // keeps its own closing date.
    cn.execute(QStringLiteral("update creceber_recibos set nrrec = ?, dtbx = '2020-01-01' where "
                              "status = 'S'"),
               {f.txtNrRec->text()});
    close(f);
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|110.00|0.00|S"));
    EXPECT_EQ(rows(QStringLiteral("select vrpg, dtbx from creceber_recibos order by id")),
              (QStringList{QStringLiteral("50.00|2020-01-01"),
                           QStringLiteral("60.00|") + QDate::currentDate().toString(Qt::ISODate)}));
}

// A clerk who keeps to the keys receives on the instalment shown: it stays
// while it has a balance, then the next open one follows.
TEST_F(CReceberBaixa, TheItemFrameKeepsToTheInstalmentReceivedByKeys) {
    const QString kDoc3 = QStringLiteral("0000000001003003");
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    instalment(kDoc2, 17, 30, QStringLiteral("100"));
    instalment(kDoc3, 17, 60, QStringLiteral("100"));
    frmCReceber_Baixa f;
    testsupport::activate(&f);
    start(f);
    ASSERT_TRUE(f.DataGrid1->hasFocus());
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    auto typeHere = [](const QString& text) {
        testsupport::type(QApplication::focusWidget(), text);
        QApplication::processEvents();
    };
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    ASSERT_EQ(f.lPro->text(), kDoc2);
    // Interest, discount, then straight to the amount received and "Salvar".
    ASSERT_EQ(QApplication::focusWidget(), f.txtVRj);
    typeHere(QStringLiteral("5"));
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), f.txtVRd);
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), f.txtVRpg);
    typeHere(QStringLiteral("45"));
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), f.Command15);
    press(Qt::Key_Return);
    EXPECT_EQ(stored(kDoc2), QStringLiteral("5.00|0.00|45.00|60.00|N"));
    EXPECT_EQ(f.lPro->text(), kDoc2);
    EXPECT_EQ(f.txtVRa->text(), QStringLiteral("60,00"));
    ASSERT_EQ(QApplication::focusWidget(), f.txtVRj);
    // The rest of it: the frame goes on to the next open instalment.
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    typeHere(QStringLiteral("60"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(stored(kDoc2), QStringLiteral("5.00|0.00|105.00|0.00|N"));
    EXPECT_EQ(f.lPro->text(), kDoc3);
    EXPECT_EQ(f.txtVRa->text(), QStringLiteral("100,00"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|0.00|100.00|N"));
    // A refusal puts the focus in the box it is about.
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    typeHere(QStringLiteral("0"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral(
                  "--- ERRO --- VALOR RECEBIDO NÃO PODE SER MENOR E/OU IGUAL A ZERO!")});
    EXPECT_EQ(QApplication::focusWidget(), f.txtVRpg);
}

TEST_F(CReceberBaixa, AmountReceivedIsBoundedByWhatIsDue) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    frmCReceber_Baixa f;
    start(f);
    struct Case {
        const char* received;
        const char* message;
    };
    for (const Case& c :
         {Case{"", "--- ERRO --- VALOR DO DESCONTO E/OU JUROS INVÁLIDO!"},
          Case{"0", "--- ERRO --- VALOR RECEBIDO NÃO PODE SER MENOR E/OU IGUAL A ZERO!"},
          Case{"-1", "--- ERRO --- VALOR RECEBIDO NÃO PODE SER MENOR E/OU IGUAL A ZERO!"},
          Case{"105,01",
               "--- ERRO --- VALOR RECEBIDO NÃO PODE SER MAIOR QUE O VALOR A RECEBER!"}}) {
        SCOPED_TRACE(c.received);
        dialogs.clear();
        receive(f, 0, QString::fromUtf8(c.received), QStringLiteral("7"), QStringLiteral("2"));
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_FALSE(f.frmDest->isHidden());
    }
    EXPECT_EQ(f.txtVRt->text(), QStringLiteral("105,00"));
    // Every amount box shows the widest amount whole.
    for (QLineEdit* box : {f.txtVRa, f.txtVRj, f.txtVRd, f.txtVRt, f.txtVRpg, f.txtVrMp})
        EXPECT_LE(
            QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("-9.999.999.999.999,99")),
            regtest::textRoom(box));
    // Amounts beyond what the columns keep, and a total due beyond them.
    struct Wide {
        const char* juros;
        const char* descontos;
        const char* received;
        const char* message;
    };
    const char* invalid = "--- ERRO --- VALOR DO DESCONTO E/OU JUROS INVÁLIDO!";
    for (const Wide& c :
         {Wide{"922.337.203.685.477", "0", "10", invalid},
          Wide{"0", "999999999999999", "10", invalid}, Wide{"0", "0", "999999999999999", invalid},
          Wide{"10.000.000.000.000", "0", "10", invalid},
          Wide{"9.999.999.999.999", "0", "10", "--- ERRO --- VALOR FORA DO LIMITE!"}}) {
        SCOPED_TRACE(c.juros);
        dialogs.clear();
        receive(f, 0, QString::fromUtf8(c.received), QString::fromUtf8(c.juros),
                QString::fromUtf8(c.descontos));
        EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(c.message)});
    }
    // Typed and left as the user does: the total is not wrapped round, and
    // the window stays.
    f.show();
    QApplication::setActiveWindow(&f);
    f.DataGrid1_DblClick();
    dialogs.clear();
    f.txtVRj->setFocus();
    f.txtVRj->clear();
    testsupport::type(f.txtVRj, QStringLiteral("922.337.203.685.477"));
    QTest::keyClick(f.txtVRj, Qt::Key_Tab);
    EXPECT_EQ(f.txtVRt->text(), QStringLiteral("100,00"));
    f.txtVRpg->setText(QStringLiteral("10"));
    QTest::mouseClick(f.Command15, Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(invalid)});
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|0.00|100.00|N"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos")), 0);
    dialogs.clear();
    receive(f, 0, QStringLiteral("105"), QStringLiteral("7"), QStringLiteral("2"));
    EXPECT_TRUE(dialogs.texts().isEmpty());
    EXPECT_EQ(stored(kDoc1), QStringLiteral("7.00|2.00|105.00|0.00|N"));
    // The last open instalment received: the frame shows nothing stale.
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 0);
    EXPECT_TRUE(f.frmDest->isHidden());
    EXPECT_EQ(f.lPG->text(), QStringLiteral("Juros: R$ 7,00 Descontos: R$ 2,00 Total Baixado: "
                                            "R$ 105,00 Falta: R$ 105,00"));
    // Open instalments whose sum the decimal cannot hold: an error, and no
    // total shown as zero.
    for (int i = 0; i < 93; ++i)
        instalment(QStringLiteral("G%1").arg(i), 17, 0, QStringLiteral("9999999999999.99"));
    dialogs.clear();
    f.TotalizaRecibo();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!")});
    EXPECT_TRUE(f.lST->text().isEmpty());
    EXPECT_TRUE(f.lPG->text().isEmpty());
}

TEST_F(CReceberBaixa, ReversalTakesBackExactlyWhatTheItemAdded) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    frmCReceber_Baixa f;
    start(f);
    receiveAndPay(f, QStringLiteral("50"), QStringLiteral("10"));
    close(f);
    start(f);
    receive(f, 0, QStringLiteral("30"));
    receive(f, 0, QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("0"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|110.00|0.00|N"));
    f.Command14_Click();
    ASSERT_EQ(f.DataGrid2->model()->rowCount(), 2);
    f.DataGrid2->setCurrentIndex(f.DataGrid2->model()->index(1, 0));
    dialogs.answer(dlg::Answer::Yes);
    f.DataGrid2_DblClick();
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|80.00|30.00|N"));
    EXPECT_EQ(receiptRows().size(), 2);
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 1);
    EXPECT_EQ(columnTexts(f.DataGrid1->model(), 0), QStringList{kDoc1});
    EXPECT_EQ(f.totalRecibo.toSql(2), QStringLiteral("30.00"));
    // A row another window already reversed is not reversed again.
    dialogs.answer(dlg::Answer::Yes);
    f.DataGrid2->setCurrentIndex(f.DataGrid2->model()->index(0, 0));
    const QString id =
        f.Adodc2->recordset().textAt(0, f.Adodc2->recordset().columnIndex(QStringLiteral("id")));
    cn.execute(QStringLiteral("delete from creceber_recibos where id = ?"), {id.toLongLong()});
    f.DataGrid2_DblClick();
    EXPECT_EQ(dialogs.texts().last(), kAlterada);
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|80.00|30.00|N"));
}

TEST_F(CReceberBaixa, AnEarlierItemIsReversedOnlyAfterTheLaterOnes) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    frmCReceber_Baixa f;
    start(f);
    receive(f, 0, QStringLiteral("5"), QStringLiteral("10"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|5.00|105.00|N"));
    receive(f, 0, QStringLiteral("105"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|110.00|0.00|N"));
    f.Command14_Click();
    // Taking back the first item would leave the instalment owing -5,00.
    const QStringList before = receiptRows();
    reverse(f, QStringLiteral("5.00"));
    EXPECT_EQ(
        dialogs.texts().last(),
        QStringLiteral("--- ERRO --- ESTORNE ANTES OS RECEBIMENTOS POSTERIORES DESTA PARCELA!"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|110.00|0.00|N"));
    EXPECT_EQ(receiptRows(), before);
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 2);
    // The later item first, then the earlier one.
    reverse(f, QStringLiteral("105.00"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("10.00|0.00|5.00|105.00|N"));
    reverse(f, QStringLiteral("5.00"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|0.00|100.00|N"));
    EXPECT_TRUE(receiptRows().isEmpty());
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 0);
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 1);
}

TEST_F(CReceberBaixa, ChecksBeforeAReceiptIsShown) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    instalment(kDoc2, 18, 0, QStringLiteral("0"));
    frmCReceber_Baixa f;
    f.txtCdFor->setText(QStringLiteral("17"));
    f.txtCdFor_LostFocus();
    EXPECT_EQ(f.txtNmFor->text(), QStringLiteral("JOANA"));
    f.Command2_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- DADOS INVÁLIDO!")});
    EXPECT_TRUE(f.txtNrRec->text().isEmpty());
    EXPECT_TRUE(f.Command2->isEnabled());
    f.txtDtBX->setText(QStringLiteral("15/06/2024"));
    f.Command2_Click();
    EXPECT_TRUE(f.Command10->isEnabled());
    // Changing the client drops the receipt from the screen, and with it
    // the closing: even pressed, F12 settles nothing of the new client.
    f.txtCdFor->setText(QStringLiteral("18"));
    EXPECT_TRUE(f.txtNrRec->text().isEmpty());
    f.txtCdFor_LostFocus();
    EXPECT_FALSE(f.Command10->isEnabled());
    f.Command10->setEnabled(true);
    dialogs.clear();
    f.Command10_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- RECIBO NÃO INICIADO!")});
    EXPECT_EQ(stored(kDoc2), QStringLiteral("0.00|0.00|0.00|0.00|N"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos_mp")), 0);
    dialogs.clear();
    f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(0, 0));
    f.DataGrid1_DblClick();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- RECIBO NÃO INICIADO!")});
    EXPECT_TRUE(f.frmDest->isHidden());
    // A client code that finds no one empties the receipt number.
    f.txtCdFor->setText(QStringLiteral("99"));
    f.txtCdFor_LostFocus();
    EXPECT_TRUE(f.txtNmFor->text().isEmpty());
}

TEST_F(CReceberBaixa, TwoWindowsCannotReceiveTheSameBalanceTwice) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    instalment(kDoc2, 17, 30, QStringLiteral("100"));
    frmCReceber_Baixa a;
    frmCReceber_Baixa b;
    start(a);
    start(b);
    // Two partial receipts that together fit the balance are both taken:
    // each is weighed against the balance as it stands, not as shown.
    b.DataGrid1->setCurrentIndex(b.DataGrid1->model()->index(0, 0));
    b.DataGrid1_DblClick();
    receive(a, 0, QStringLiteral("60"));
    b.txtVRpg->setText(QStringLiteral("40"));
    dialogs.clear();
    b.Command15_Click();
    EXPECT_TRUE(dialogs.texts().isEmpty());
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|100.00|0.00|N"));
    EXPECT_EQ(rows(QStringLiteral("select vrab, vrpg from creceber_recibos order by id")),
              (QStringList{QStringLiteral("100.00|60.00"), QStringLiteral("40.00|40.00")}));
    // One beyond what another window left is refused, nothing written.
    ASSERT_EQ(b.lPro->text(), kDoc2);
    receive(a, 1, QStringLiteral("70"));
    b.txtVRpg->setText(QStringLiteral("50"));
    dialogs.clear();
    b.Command15_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- VALOR RECEBIDO NÃO PODE "
                                                          "SER MAIOR QUE O VALOR A RECEBER!")});
    EXPECT_EQ(stored(kDoc2), QStringLiteral("0.00|0.00|70.00|30.00|N"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos")), 3);
    // Rows another window holds past every retry: said as its change.
    EXPECT_EQ(b.txtVRa->text(), QStringLiteral("30,00"));
    b.txtVRpg->setText(QStringLiteral("30"));
    {
        const testsupport::LastingConflict conflict(cn,
                                                    QStringLiteral("before update on creceber"));
        dialogs.clear();
        b.Command15_Click();
    }
    EXPECT_EQ(dialogs.texts(), QStringList{kAlterada});
    EXPECT_EQ(stored(kDoc2), QStringLiteral("0.00|0.00|70.00|30.00|N"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos")), 3);
}

TEST_F(CReceberBaixa, AnInstalmentGoesOnlyIntoItsClientsReceipt) {
    instalment(kDoc1, 17, 0, QStringLiteral("10"));
    instalment(kDoc2, 18, 0, QStringLiteral("50"));
    frmCReceber_Baixa f;
    start(f);
    f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(0, 0));
    f.DataGrid1_DblClick();
    f.escolheMeio(0);
    ASSERT_FALSE(f.frmDest->isHidden());
    // Another client's receipt: the frames of the first one go.
    start(f, QStringLiteral("18"));
    EXPECT_TRUE(f.frmDest->isHidden());
    EXPECT_TRUE(f.frmMP->isHidden());
    // A "Salvar" still reaching the old frame takes nothing.
    f.txtVRpg->setText(QStringLiteral("10"));
    dialogs.clear();
    f.Command15_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(
                                   "--- ERRO --- PARCELA NÃO PERTENCE AO CLIENTE DO RECIBO!")});
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|0.00|10.00|N"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos")), 0);
}

TEST_F(CReceberBaixa, AReceiptClosedElsewhereTakesNoItemAndIsNotClosedAgain) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    instalment(kDoc2, 17, 30, QStringLiteral("100"));
    frmCReceber_Baixa f;
    start(f);
    receiveAndPay(f, QStringLiteral("10"));
    // Another window resumes the receipt and closes it.
    {
        frmCReceber_Baixa other;
        fintest::resumeFirst(other);
        pay(other, QStringLiteral("10"));
        close(other);
        ASSERT_EQ(dialogs.texts().last(), QStringLiteral("Baixa efetuada com sucesso!"));
    }
    dialogs.clear();
    receive(f, 1, QStringLiteral("20"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- RECIBO JÁ ENCERRADO!")});
    EXPECT_EQ(stored(kDoc2), QStringLiteral("0.00|0.00|0.00|100.00|N"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos")), 1);
    // Its own closing says so, writes nothing, and leaves the screen ready
    // for the next receipt.
    dialogs.clear();
    close(f);
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Confirma a baixa?"),
                                            QStringLiteral("--- ERRO --- RECIBO JÁ ENCERRADO!")}));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos_mp")), 1);
    EXPECT_TRUE(f.txtNrRec->text().isEmpty());
    EXPECT_EQ(f.List1->count(), 0);
}

TEST_F(CReceberBaixa, ARefusedListingKeepsTheReceiptShown) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    frmCReceber_Baixa f;
    start(f);
    receive(f, 0, QStringLiteral("10"));
    f.Command14_Click();
    const QString nrrec = f.txtNrRec->text();
    // The code box left again enables "F10 Listar"; the date is emptied.
    f.txtCdFor_LostFocus();
    f.txtDtBX->clear();
    dialogs.clear();
    f.Command2_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- DADOS INVÁLIDO!")});
    EXPECT_EQ(f.txtNrRec->text(), nrrec);
    EXPECT_EQ(columnTexts(f.DataGrid2->model(), 0), QStringList{kDoc1});
    // The next add goes into the receipt shown, and no number was issued.
    f.txtDtBX->setText(dates::toBr(QDate::currentDate()));
    receive(f, 0, QStringLiteral("5"));
    EXPECT_EQ(rows(QStringLiteral("select distinct nrrec from creceber_recibos")),
              QStringList{nrrec});
    EXPECT_EQ(count(QStringLiteral("recibos_emitidos")), 1);
}

TEST_F(CReceberBaixa, ClosingSettlesZeroBalancesAndIsAllOrNothing) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    instalment(kDoc2, 17, 30, QStringLiteral("40"));
    // Another open receipt of the client already brought kDoc2 to zero.
    QString outro;
    {
        frmCReceber_Baixa other;
        start(other);
        receive(other, 1, QStringLiteral("40"));
        outro = other.txtNrRec->text();
    }
    // Started in the same second, the two receipts still have a number each.
    frmCReceber_Baixa f;
    start(f);
    EXPECT_NE(f.txtNrRec->text(), outro);
    receiveAndPay(f, QStringLiteral("25"));
    // A line typed, then the server refuses the settling: nothing stays.
    cn.execute(QStringLiteral("create trigger falha before update on creceber_recibos for each "
                              "row begin signal sqlstate '45000' set message_text = 'falhou'; "
                              "end"));
    dialogs.clear();
    close(f);
    cn.execute(QStringLiteral("drop trigger falha"));
    EXPECT_TRUE(dialogs.texts().last().startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos_mp")), 0);
    EXPECT_EQ(stored(kDoc2), QStringLiteral("0.00|0.00|40.00|0.00|N"));
    // The receipt changed elsewhere: refused before anything is written.
    cn.execute(QStringLiteral("update creceber_recibos set vrpg = 20 where vrpg = 25"));
    dialogs.clear();
    close(f);
    EXPECT_EQ(dialogs.texts().last(),
              QStringLiteral("--- ERRO --- DIVERGÊNCIA NO VALOR A PAGAR E VALOR BAIXADO!"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos_mp")), 0);
    cn.execute(QStringLiteral("update creceber_recibos set vrpg = 25 where vrpg = 20"));
    f.TotalizaRecibo();
    close(f);
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Baixa efetuada com sucesso!"));
    EXPECT_EQ(stored(kDoc2), QStringLiteral("0.00|0.00|40.00|0.00|S"));
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|25.00|75.00|N"));
    // Only this receipt's rows are closed.
    EXPECT_EQ(value(QStringLiteral("select count(*) from creceber_recibos where status = 'X'")),
              QStringLiteral("1"));
}

TEST_F(CReceberBaixa, AClosingCutFromTheServerIsToldInTimeAndWritesNothing) {
    // Bounds of a few seconds instead of the program's; the station reaches
    // the server through a cable that is pulled during the closing.
    db::setWaitBounds({.lockWait = 1, .statement = 2, .longStatement = 2, .connect = 2});
    const auto restore = qScopeGuard([] { db::setWaitBounds({}); });
    testsupport::TcpRelay cable;
    shared::gConexao = cable.through(shared::gConexao);
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    frmCReceber_Baixa f;
    start(f);
    receiveAndPay(f, QStringLiteral("100"));
    cable.cutAt("set pago = 'S'");
    dialogs.clear();
    close(f);
    EXPECT_EQ(dialogs.texts().last(),
              QStringLiteral("--- ERRO --- CONEXÃO COM O SERVIDOR "
                             "PERDIDA! NADA FOI GRAVADO. TENTE NOVAMENTE."));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos_mp")), 0);
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|100.00|0.00|N"));
    // With the cable back the next closing connects again.
    cable.mend();
    dialogs.clear();
    close(f);
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Baixa efetuada com sucesso!"));
    EXPECT_EQ(count(QStringLiteral("creceber_recibos_mp")), 1);
    EXPECT_EQ(stored(kDoc1), QStringLiteral("0.00|0.00|100.00|0.00|S"));
}

TEST_F(CReceberBaixa, ResumeAnOpenReceiptAndEscClosesFramesFirst) {
    instalment(kDoc1, 17, 0, QStringLiteral("100"));
    instalment(kDoc2, 17, 30, QStringLiteral("50"));
    QString nrrec;
    {
        frmCReceber_Baixa first;
        start(first);
        receive(first, 0, QStringLiteral("10"));
        nrrec = first.txtNrRec->text();
    }
    frmCReceber_Baixa f;
    f.show();
    QApplication::setActiveWindow(&f);
    testsupport::whenModal<frmCPagar_BaixaPendente>([](frmCPagar_BaixaPendente* p) {
        ASSERT_EQ(p->List1->count(), 1);
        p->List1->setCurrentRow(0);
        p->List1_DblClick();
    });
    f.Command18_Click();
    EXPECT_EQ(f.txtCdFor->text(), QStringLiteral("17"));
    EXPECT_EQ(f.txtNmFor->text(), QStringLiteral("JOANA"));
    EXPECT_EQ(f.txtNrRec->text(), nrrec);
    EXPECT_EQ(shared::gCodigoPesquisa, nrrec);
    EXPECT_TRUE(shared::gNomePesquisa.isEmpty());
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 1);
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 2);
    EXPECT_EQ(f.totalRecibo.toSql(2), QStringLiteral("10.00"));

    f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(0, 0));
    f.DataGrid1_DblClick();
    f.escolheMeio(0);
    QTest::keyClick(f.txtVRj, Qt::Key_Escape);
    EXPECT_TRUE(f.frmDest->isHidden());
    EXPECT_FALSE(f.frmMP->isHidden());
    QTest::keyClick(f.DataGrid1, Qt::Key_Escape);
    EXPECT_TRUE(f.frmMP->isHidden());
    EXPECT_TRUE(f.isVisible());

    // The keys the captions name press their buttons while these are shown:
    // in the item frame F11 and F12 step, outside it F12 closes the receipt.
    // The window is active again once the picker has closed.
    QApplication::setActiveWindow(&f);
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    QTest::keyClick(f.DataGrid1, Qt::Key_Return);
    ASSERT_FALSE(f.frmDest->isHidden());
    EXPECT_EQ(f.lPro->text(), kDoc1);
    press(Qt::Key_F11);
    EXPECT_EQ(f.lPro->text(), kDoc2);
    press(Qt::Key_F12);
    EXPECT_EQ(f.lPro->text(), kDoc1);
    EXPECT_TRUE(dialogs.texts().isEmpty());
    press(Qt::Key_Escape);
    press(Qt::Key_F4);
    ASSERT_FALSE(f.frmMP->isHidden());
    EXPECT_EQ(f.lMP->text(), QStringLiteral("DIN - Dinheiro"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10"));
    f.Command16->click();
    dialogs.answer(dlg::Answer::Yes);
    press(Qt::Key_F12);
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Confirma a baixa?"),
                                            QStringLiteral("Baixa efetuada com sucesso!")}));
    EXPECT_EQ(value(QStringLiteral("select status from creceber_recibos")), QStringLiteral("S"));
    // Closed: the payment methods are disabled, so their keys do nothing.
    dialogs.clear();
    press(Qt::Key_F3);
    press(Qt::Key_F12);
    EXPECT_TRUE(f.frmMP->isHidden());
    EXPECT_TRUE(dialogs.texts().isEmpty());
    press(Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}
