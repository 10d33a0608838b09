#include "finance/frmCPagar_Baixa.h"
#include "finance/frmCPagar_BaixaPendente.h"
#include "finance/recibo.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "tests/finance/finance_test_support.h"
#include "tests/support/modal.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTest>

using fintest::columnTexts;

namespace {
QDate hoje(int days = 0) {
    return QDate::currentDate().addDays(days);
}
} // namespace

class CPagarBaixa : public fintest::FinanceTest {
protected:
    void SetUp() override {
        FinanceTest::SetUp();
        addSupplier(QStringLiteral("ACME"));
        addSupplier(QStringLiteral("BETA"));
    }
    void instalment(const QString& idlan, qint64 cdfor, const QDate& dtv, const QString& vrab,
                    const QString& pago = QStringLiteral("N")) {
        cn.execute(QStringLiteral("insert into cpagar (idlan, nrdoc, cdfor, dtv, vrorig, vrab, "
                                  "parcela, pago) values (?, ?, ?, ?, ?, ?, '001/001', ?)"),
                   {idlan, idlan.section(QLatin1Char('/'), 0, 0), cdfor, dtv, vrab, vrab, pago});
    }
    // A receipt started and the supplier's open instalments listed.
    void start(frmCPagar_Baixa& f, const QString& cdfor = QStringLiteral("1")) {
        f.Command1_Click();
        f.txtCdFor->setText(cdfor);
        f.txtCdFor_LostFocus();
        f.Command2_Click();
    }
    // The open list's row `row` into the receipt with interest and discount.
    void add(frmCPagar_Baixa& f, int row, const QString& juros = QStringLiteral("0"),
             const QString& descontos = QStringLiteral("0")) {
        f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(row, 0));
        f.DataGrid1_DblClick();
        f.txtVRj->setText(juros);
        f.txtVRd->setText(descontos);
        f.Command15_Click();
    }
    void pay(frmCPagar_Baixa& f, int method, const QString& amount,
             const QString& obs = QString()) {
        f.escolheMeio(method);
        f.txtVrMp->setText(amount);
        f.txtobs->setText(obs);
        f.Command16_Click();
    }
    void close(frmCPagar_Baixa& f) {
        dialogs.answer(dlg::Answer::Yes);
        f.Command10_Click();
    }
    QString row(const QString& idlan) {
        return rows(QStringLiteral("select vrj, vrd, vrpg, vrab, pago, nrrec from cpagar where "
                                   "idlan = ?"),
                    {idlan})
            .value(0);
    }
};

TEST_F(CPagarBaixa, ListsNeedAReceiptAndShowOnlyOpenBalances) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    instalment(QStringLiteral("2/001/001/2"), 2, hoje(), QStringLiteral("50"));
    instalment(QStringLiteral("3/001/001/1"), 1, hoje(1), QStringLiteral("70"));
    instalment(QStringLiteral("4/001/001/1"), 1, hoje(), QStringLiteral("80"), QStringLiteral("X"));
    instalment(QStringLiteral("5/001/001/1"), 1, hoje(), QStringLiteral("0"));
    frmCPagar_Baixa f;
    EXPECT_TRUE(f.txtCdFor->isReadOnly());
    f.Command11_Click();
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 0);
    // A supplier found but no receipt started.
    f.txtCdFor->setReadOnly(false);
    f.txtCdFor->setText(QStringLiteral("1"));
    f.txtCdFor_LostFocus();
    EXPECT_EQ(f.txtNmFor->text(), QStringLiteral("ACME"));
    f.Command2_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- DADOS INVÁLIDO!")});
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 0);

    f.Command1_Click();
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d{12}CAIXA$")).match(f.txtNrRec->text()).hasMatch());
    EXPECT_EQ(f.txtDtBX->text(), dates::toBr(hoje()));
    f.Command11_Click();
    EXPECT_EQ(columnTexts(f.DataGrid1->model(), 0),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    f.Command2_Click();
    EXPECT_EQ(columnTexts(f.DataGrid1->model(), 0),
              (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(f.DataGrid1->model()->index(0, 3).data().toString(), QStringLiteral("R$ 100,00"));
    // Letters in the code box look nothing up.
    f.txtCdFor->setText(QStringLiteral("AB"));
    f.txtCdFor_LostFocus();
    EXPECT_TRUE(f.txtNmFor->text().isEmpty());
}

TEST_F(CPagarBaixa, AddPayAndClose) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    instalment(QStringLiteral("2/001/001/1"), 1, hoje(5), QStringLiteral("20"));
    frmCPagar_Baixa f;
    start(f);
    add(f, 0, QStringLiteral("2,5"), QStringLiteral("1"));
    const QString nrrec = f.txtNrRec->text();
    EXPECT_EQ(row(QStringLiteral("1/001/001/1")),
              QStringLiteral("2.50|1.00|101.50|100.00|X|") + nrrec);
    // The frame shows the next open instalment, the receipt grid the item.
    EXPECT_EQ(f.lPro->text(), QStringLiteral("2 001/001"));
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 1);
    // The totals and the payment buttons follow the save, the frame still open.
    EXPECT_TRUE(f.Command10->isEnabled());
    EXPECT_EQ(f.lST->text(), QStringLiteral("Vr AB: R$ 100,00 St.Juros: R$ 2,50 St.Desc.: R$ 1,00 "
                                            "Total: R$ 101,50"));
    EXPECT_EQ(f.lPG->text(), QStringLiteral("Vr MP: R$ 0,00 Falta: R$ 101,50"));
    f.Command14_Click();
    EXPECT_TRUE(f.frmDest->isHidden());

    pay(f, 0, QStringLiteral("101,49"));
    EXPECT_EQ(f.lPG->text(), QStringLiteral("Vr MP: R$ 101,49 Falta: R$ 0,01"));
    dialogs.clear();
    f.Command10_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(
                                   "--- ERRO --- DIVERGÊNCIA NO VALOR A PAGAR E VALOR BAIXADO!")});
    dialogs.answer(dlg::Answer::Yes);
    f.List1->setCurrentRow(0);
    f.List1_DblClick();
    pay(f, 4, QStringLiteral("50,75"), QStringLiteral("banco|x"));
    pay(f, 1, QStringLiteral("50,75"));
    f.txtDtBX->setText(dates::toBr(hoje(-1)));
    // Both frames left open on the receipt being closed.
    f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(0, 0));
    f.DataGrid1_DblClick();
    f.escolheMeio(2);
    dialogs.clear();
    close(f);
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Baixa efetuada com sucesso!"));
    EXPECT_EQ(rows(QStringLiteral("select nrrec, dtbx, cdmp, obs, valor, evcad like 'CAIXA %' "
                                  "from cpagar_recibos")),
              (QStringList{nrrec + QLatin1Char('|') + hoje(-1).toString(Qt::ISODate) +
                               QStringLiteral("|PIX|banco|50.75|1"),
                           nrrec + QLatin1Char('|') + hoje(-1).toString(Qt::ISODate) +
                               QStringLiteral("|DIN||50.75|1")}));
    EXPECT_EQ(rows(QStringLiteral("select pago, vrab, vrpg, dtp from cpagar where idlan = "
                                  "'1/001/001/1'")),
              QStringList{QStringLiteral("S|0.00|101.50|") + hoje(-1).toString(Qt::ISODate)});
    // Back to no receipt: nothing of the closed one is left to act on.
    EXPECT_TRUE(f.txtNrRec->text().isEmpty());
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_TRUE(f.frmDest->isHidden());
    EXPECT_TRUE(f.frmMP->isHidden());
    EXPECT_EQ(f.lST->text(), QStringLiteral("Vr AB: R$ 0,00 St.Juros: R$ 0,00 St.Desc.: R$ 0,00 "
                                            "Total: R$ 0,00"));
    EXPECT_EQ(f.lPG->text(), QStringLiteral("Vr MP: R$ 0,00 Falta: R$ 0,00"));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_FALSE(f.Command10->isEnabled());
    EXPECT_FALSE(f.DataGrid1->isEnabled());
    // A "Salvar" still reaching the hidden frame takes nothing.
    dialogs.clear();
    f.Command15_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- RECIBO NÃO INICIADO!")});
    EXPECT_EQ(row(QStringLiteral("2/001/001/1")), QStringLiteral("0.00|0.00|0.00|20.00|N|"));
    // A new receipt brings the open list back.
    f.Command1_Click();
    EXPECT_TRUE(f.DataGrid1->isEnabled());
}

TEST_F(CPagarBaixa, ReversalPutsTheInstalmentBackInTheList) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    frmCPagar_Baixa f;
    start(f);
    add(f, 0, QStringLiteral("10"));
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 0);
    f.Command14_Click();
    f.DataGrid2->setCurrentIndex(f.DataGrid2->model()->index(0, 0));
    dialogs.answer(dlg::Answer::No);
    f.DataGrid2_DblClick();
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 1);
    dialogs.answer(dlg::Answer::Yes);
    f.DataGrid2_DblClick();
    EXPECT_EQ(row(QStringLiteral("1/001/001/1")),
              QStringLiteral("0.00|0.00|0.00|100.00|N|em aberto"));
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 1);
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 0);
    EXPECT_FALSE(f.Command10->isEnabled());
    EXPECT_EQ(f.totalRecibo, Decimal());
}

TEST_F(CPagarBaixa, TwoWindowsCannotTakeTheSameInstalment) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    frmCPagar_Baixa a;
    frmCPagar_Baixa b;
    start(a);
    start(b);
    b.DataGrid1_DblClick();
    add(a, 0);
    const QString first = row(QStringLiteral("1/001/001/1"));
    dialogs.clear();
    b.Command15_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- PARCELA ALTERADA POR "
                                                          "OUTRO USUÁRIO! CONSULTE NOVAMENTE.")});
    EXPECT_EQ(row(QStringLiteral("1/001/001/1")), first);
    EXPECT_EQ(b.DataGrid1->model()->rowCount(), 0);
    // Saving again into the same receipt only rewrites its interest.
    a.txtVRj->setText(QStringLiteral("3"));
    a.Command15_Click();
    EXPECT_TRUE(row(QStringLiteral("1/001/001/1")).startsWith(QStringLiteral("3.00|0.00|103.00")));
}

TEST_F(CPagarBaixa, ReceiptNumbersAreReservedOnce) {
    // A number already issued waits for the next second; when every try
    // finds its number taken, none is given.
    const QDateTime t(QDate(2026, 12, 9), QTime(10, 0, 5, 999));
    const auto relogio = [](QList<QDateTime> momentos) {
        return [momentos]() mutable {
            return momentos.size() > 1 ? momentos.takeFirst() : momentos.first();
        };
    };
    const QString usuario = QStringLiteral("CAIXA");
    EXPECT_EQ(recibo::reservaNumero(cn, usuario, relogio({t})),
              QStringLiteral("261209100005CAIXA"));
    EXPECT_EQ(recibo::reservaNumero(cn, usuario, relogio({t, t.addSecs(1)})),
              QStringLiteral("261209100006CAIXA"));
    EXPECT_EQ(recibo::reservaNumero(cn, usuario, relogio({t})), std::nullopt);
    EXPECT_EQ(count(QStringLiteral("recibos_emitidos")), 2);

    // Two windows starting in one second keep their receipts apart.
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    instalment(QStringLiteral("2/001/001/1"), 1, hoje(1), QStringLiteral("20"));
    frmCPagar_Baixa a;
    frmCPagar_Baixa b;
    start(a);
    start(b);
    EXPECT_NE(a.txtNrRec->text(), b.txtNrRec->text());
    add(a, 0);
    add(b, 1);
    a.Command14_Click();
    b.Command14_Click();
    EXPECT_EQ(columnTexts(a.DataGrid2->model(), 0), QStringList{QStringLiteral("1")});
    EXPECT_EQ(columnTexts(b.DataGrid2->model(), 0), QStringList{QStringLiteral("2")});
    EXPECT_EQ(count(QStringLiteral("recibos_emitidos")), 4);

    // No number to be had: no receipt starts.
    cn.execute(QStringLiteral("create trigger tomado before insert on recibos_emitidos for each "
                              "row signal sqlstate '23000' set mysql_errno = 1062"));
    frmCPagar_Baixa c;
    dialogs.clear();
    c.Command1_Click();
    cn.execute(QStringLiteral("drop trigger tomado"));
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL INICIAR O RECIBO! TENTE "
                                         "NOVAMENTE.")});
    EXPECT_TRUE(c.txtNrRec->text().isEmpty());
    EXPECT_TRUE(c.Command1->isEnabled());
}

TEST_F(CPagarBaixa, AReceiptClosedElsewhereTakesNoItemAndIsNotClosedAgain) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    instalment(QStringLiteral("2/001/001/1"), 1, hoje(1), QStringLiteral("20"));
    frmCPagar_Baixa f;
    start(f);
    add(f, 0);
    f.Command14_Click();
    pay(f, 1, QStringLiteral("100"));
    // Another window resumes the receipt and closes it.
    {
        frmCPagar_Baixa other;
        fintest::resumeFirst(other);
        pay(other, 1, QStringLiteral("100"));
        close(other);
        ASSERT_EQ(dialogs.texts().last(), QStringLiteral("Baixa efetuada com sucesso!"));
    }
    const QStringList closed =
        rows(QStringLiteral("select nrrec, cdmp, valor from cpagar_recibos"));
    dialogs.clear();
    add(f, 0);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- RECIBO JÁ ENCERRADO!")});
    EXPECT_EQ(row(QStringLiteral("2/001/001/1")), QStringLiteral("0.00|0.00|0.00|20.00|N|"));
    // Its own closing says so, writes nothing, and leaves the screen ready
    // for the next receipt.
    dialogs.clear();
    close(f);
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Confirma a baixa?"),
                                            QStringLiteral("--- ERRO --- RECIBO JÁ ENCERRADO!")}));
    EXPECT_EQ(rows(QStringLiteral("select nrrec, cdmp, valor from cpagar_recibos")), closed);
    EXPECT_TRUE(f.txtNrRec->text().isEmpty());
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_TRUE(f.Command1->isEnabled());
}

TEST_F(CPagarBaixa, ClosingRechecksTheReceiptAndIsAllOrNothing) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    instalment(QStringLiteral("2/001/001/1"), 1, hoje(1), QStringLiteral("40"));
    frmCPagar_Baixa f;
    start(f);
    add(f, 0);
    add(f, 0);
    f.Command14_Click();
    pay(f, 1, QStringLiteral("140"));
    // Another window reverses an item after the lines were typed.
    cn.execute(QStringLiteral("update cpagar set vrpg = 0, pago = 'N' where idlan = "
                              "'2/001/001/1'"));
    dialogs.clear();
    close(f);
    EXPECT_EQ(dialogs.texts().last(),
              QStringLiteral("--- ERRO --- DIVERGÊNCIA NO VALOR A PAGAR E VALOR BAIXADO!"));
    EXPECT_EQ(count(QStringLiteral("cpagar_recibos")), 0);
    EXPECT_EQ(value(QStringLiteral("select pago from cpagar where idlan = '1/001/001/1'")),
              QStringLiteral("X"));
    EXPECT_EQ(f.totalRecibo.toSql(2), QStringLiteral("100.00"));

    // A failure while settling leaves no payment line behind.
    f.List1->clear();
    pay(f, 1, QStringLiteral("100"));
    cn.execute(QStringLiteral("create trigger falha before update on cpagar for each row begin "
                              "if new.pago = 'S' then signal sqlstate '45000' set message_text = "
                              "'falhou'; end if; end"));
    dialogs.clear();
    close(f);
    cn.execute(QStringLiteral("drop trigger falha"));
    EXPECT_TRUE(dialogs.texts().last().startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(count(QStringLiteral("cpagar_recibos")), 0);
    EXPECT_TRUE(f.Command10->isEnabled());
    EXPECT_TRUE(f.isEnabled());
    // Once the server agrees, the same closing goes through.
    close(f);
    EXPECT_EQ(count(QStringLiteral("cpagar_recibos")), 1);
    EXPECT_EQ(value(QStringLiteral("select pago from cpagar where idlan = '1/001/001/1'")),
              QStringLiteral("S"));
}

TEST_F(CPagarBaixa, ReversalOfAnItemSettledElsewhereIsRefused) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    frmCPagar_Baixa f;
    start(f);
    add(f, 0);
    f.Command14_Click();
    cn.execute(QStringLiteral("update cpagar set pago = 'S', vrab = 0"));
    f.DataGrid2->setCurrentIndex(f.DataGrid2->model()->index(0, 0));
    dialogs.answer(dlg::Answer::Yes);
    f.DataGrid2_DblClick();
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("--- ERRO --- PARCELA ALTERADA POR OUTRO "
                                                     "USUÁRIO! CONSULTE NOVAMENTE."));
    EXPECT_EQ(row(QStringLiteral("1/001/001/1")),
              QStringLiteral("0.00|0.00|100.00|0.00|S|") + f.txtNrRec->text());
}

TEST_F(CPagarBaixa, AnOpenReceiptIsResumed) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    instalment(QStringLiteral("2/001/001/1"), 1, hoje(), QStringLiteral("30"));
    QString nrrec;
    {
        frmCPagar_Baixa f;
        start(f);
        add(f, 0);
        add(f, 0);
        nrrec = f.txtNrRec->text();
        pay(f, 0, QStringLiteral("10"));
    }
    frmCPagar_Baixa f;
    shared::gNomePesquisa = QStringLiteral("C");
    // The space bar chooses the receipt the list opens on.
    testsupport::whenModal<frmCPagar_BaixaPendente>([](frmCPagar_BaixaPendente* p) {
        ASSERT_EQ(p->List1->count(), 1);
        // The list takes the focus once the window manager activates it.
        ASSERT_TRUE(QTest::qWaitFor([p] { return p->List1->hasFocus(); }));
        QTest::keyClick(p->List1, Qt::Key_Space);
    });
    f.Command18_Click();
    EXPECT_EQ(shared::gNomePesquisa, QStringLiteral("P"));
    EXPECT_EQ(f.txtNrRec->text(), nrrec);
    EXPECT_EQ(f.txtDtBX->text(), dates::toBr(hoje()));
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.DataGrid2->model()->rowCount(), 2);
    EXPECT_EQ(f.totalRecibo.toSql(2), QStringLiteral("130.00"));
    EXPECT_TRUE(f.txtNmFor->text().isEmpty());
    // While a receipt is in progress, resuming changes nothing.
    f.txtNrRec->setText(QStringLiteral("OUTRO"));
    fintest::resumeFirst(f);
    EXPECT_EQ(f.txtNrRec->text(), QStringLiteral("OUTRO"));
}

TEST_F(CPagarBaixa, FunctionKeysPressTheButtonsTheyName) {
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("100"));
    instalment(QStringLiteral("2/001/001/1"), 1, hoje(), QStringLiteral("20"));
    frmCPagar_Baixa f;
    f.show();
    QApplication::setActiveWindow(&f);
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    f.Command1->click();
    ASSERT_FALSE(f.txtNrRec->text().isEmpty());
    // No item yet: the payment methods and the closing are not there to press.
    press(Qt::Key_F4);
    press(Qt::Key_F12);
    EXPECT_TRUE(f.frmMP->isHidden());
    EXPECT_TRUE(dialogs.shown().empty());

    f.txtCdFor->setFocus();
    QTest::keyClicks(f.txtCdFor, QStringLiteral("1"));
    press(Qt::Key_Return);
    // Enter is in the name box before the name is found: it shows from its start.
    ASSERT_TRUE(f.txtNmFor->hasFocus());
    EXPECT_EQ(f.txtNmFor->text(), QStringLiteral("ACME"));
    EXPECT_EQ(f.txtNmFor->cursorPosition(), 0);
    press(Qt::Key_F10);
    ASSERT_EQ(f.DataGrid1->model()->rowCount(), 2);
    f.DataGrid1->setFocus();
    f.DataGrid1->setCurrentRow(1);
    QTest::keyClick(f.DataGrid1, Qt::Key_Return);
    EXPECT_EQ(f.lPro->text(), QStringLiteral("2 001/001"));
    // With the item frame shown F12 steps back, and F11 still lists the day.
    press(Qt::Key_F12);
    EXPECT_EQ(f.lPro->text(), QStringLiteral("1 001/001"));
    // The interest the frame wrote is typed over, not added to.
    ASSERT_TRUE(f.txtVRj->hasFocus());
    QTest::keyClicks(f.txtVRj, QStringLiteral("0"));
    EXPECT_EQ(f.txtVRj->text(), QStringLiteral("0"));
    press(Qt::Key_F11);
    EXPECT_EQ(f.lPro->text(), QStringLiteral("1 001/001"));
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 2);
    EXPECT_TRUE(dialogs.shown().empty());

    f.Command15->click();
    f.Command14->click();
    press(Qt::Key_F4);
    ASSERT_FALSE(f.frmMP->isHidden());
    EXPECT_EQ(f.lMP->text(), QStringLiteral("DIN - Dinheiro"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("100"));
    f.Command16->click();
    EXPECT_EQ(f.List1->count(), 1);
    // Without the item frame F12 closes the receipt.
    dialogs.answer(dlg::Answer::No);
    press(Qt::Key_F12);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Confirma a baixa?")});
    dialogs.answer(dlg::Answer::Yes);
    press(Qt::Key_F12);
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Baixa efetuada com sucesso!"));
    EXPECT_EQ(row(QStringLiteral("1/001/001/1")).section(QLatin1Char('|'), 3, 4),
              QStringLiteral("0.00|S"));
}

TEST_F(CPagarBaixa, TabLeavesTheListsForTheButtons) {
    for (const char* idlan : {"1/001/001/1", "2/001/001/1", "3/001/001/1"})
        instalment(QString::fromLatin1(idlan), 1, hoje(), QStringLiteral("100"));
    frmCPagar_Baixa f;
    f.show();
    QApplication::setActiveWindow(&f);
    start(f);
    add(f, 0);
    f.Command14_Click();
    f.DataGrid1->setFocus();
    f.DataGrid1->setCurrentRow(0);
    QTest::keyClick(f.DataGrid1, Qt::Key_Down);
    EXPECT_EQ(f.DataGrid1->currentRow(), 1);
    QTest::keyClick(f.DataGrid1, Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    EXPECT_NE(next, f.DataGrid1);
    QTest::keyClick(next, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.DataGrid1);
    // Tab after Tab reaches the receipt's list, the payment methods and the
    // closing.
    QSet<QWidget*> reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    EXPECT_TRUE(reached.contains(f.meios.at(0)));
    EXPECT_TRUE(reached.contains(f.Command10));
    EXPECT_TRUE(reached.contains(f.DataGrid2));
}

TEST_F(CPagarBaixa, OpenReceiptPickerModes) {
    cn.execute(QStringLiteral("insert into creceber_recibos (nrrec, cdcli, status) values "
                              "('R1', 17, 'X'), ('R1', 17, 'X'), ('R1', 18, 'X'), ('R2', 5, 'S')"));
    instalment(QStringLiteral("1/001/001/1"), 1, hoje(), QStringLiteral("1"), QStringLiteral("X"));
    cn.execute(QStringLiteral("update cpagar set nrrec = 'P1'"));
    struct Case {
        const char* mode;
        QStringList items;
    };
    for (const Case& c :
         {Case{"P", {QStringLiteral("P1")}},
          Case{"C", {QStringLiteral("R1 | 17"), QStringLiteral("R1 | 18")}}, Case{"Z", {}}}) {
        SCOPED_TRACE(c.mode);
        shared::gNomePesquisa = QString::fromLatin1(c.mode);
        shared::gCodigoPesquisa.clear();
        frmCPagar_BaixaPendente p;
        QStringList items;
        for (int i = 0; i < p.List1->count(); ++i)
            items << p.List1->item(i)->text();
        items.sort();
        EXPECT_EQ(items, c.items);
        // A double-click with nothing selected chooses nothing.
        p.List1_DblClick();
        EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
        EXPECT_EQ(shared::gNomePesquisa, QString::fromLatin1(c.mode));
    }
    shared::gNomePesquisa = QStringLiteral("P");
    frmCPagar_BaixaPendente p;
    p.show();
    QApplication::setActiveWindow(&p);
    p.List1->setFocus();
    p.List1->setCurrentRow(0);
    QTest::keyClick(p.List1, Qt::Key_Return);
    EXPECT_TRUE(p.isVisible());
    QTest::keyClick(p.List1, Qt::Key_Escape);
    EXPECT_FALSE(p.isVisible());
    EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
}
