#include "finance/frmBuscaCentroCusto.h"
#include "finance/frmlancontas.h"
#include "platform/data_grid.h"
#include "platform/dates.h"
#include "tests/finance/finance_test_support.h"
#include "tests/support/lasting_conflict.h"
#include "tests/support/modal.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using fintest::columnTexts;

namespace {
QString hojeBr(int days = 0) {
    return dates::toBr(QDate::currentDate().addDays(days));
}
} // namespace

class Lancamento : public fintest::FinanceTest {
protected:
    void SetUp() override {
        FinanceTest::SetUp();
        addSupplier(QStringLiteral("ACME"));
        addSupplier(QStringLiteral("BETA"));
        cn.execute(QStringLiteral("insert into centrocusto (nmcen) values ('OBRAS')"));
        cn.execute(QStringLiteral("insert into subcentrocusto (nmscen) values ('MATERIAL')"));
    }
    // Header of document `nrdoc` of supplier 1, then a plan of `count`
    // instalments of `value` from `first`.
    void plan(frmlancontas& f, const QString& nrdoc, const QString& count, const QString& value,
              const QString& first) {
        f.txtnrdoc->setText(nrdoc);
        f.txtref->setText(QStringLiteral("NF 10"));
        f.txtcdfor->setText(QStringLiteral("1"));
        f.txtcdfor_LostFocus();
        f.txtCdCentro->setText(QStringLiteral("1"));
        f.txtCdTPd->setText(QStringLiteral("1"));
        f.txtQtParc->setText(count);
        dialogs.answerInput(value);
        dialogs.answerInput(first);
        f.txtQtParc_LostFocus();
    }
    void save(frmlancontas& f) {
        dialogs.answer(dlg::Answer::Yes);
        f.cmdsalva_Click();
    }
    void load(frmlancontas& f, const QString& nrdoc, const QString& cdfor = QStringLiteral("1")) {
        f.txtnrdoc->setText(nrdoc);
        f.txtcdfor->setText(cdfor);
        f.txtcdfor_LostFocus();
    }
    // A new count typed, then a click straight from the count box into
    // `target`; the plan asks for `value` and today.
    void replanByClick(frmlancontas& f, const QString& count, const QString& value,
                       QWidget* target) {
        f.txtQtParc->setText(count);
        f.txtQtParc->setFocus();
        dialogs.answerInput(value);
        dialogs.answerInput(hojeBr());
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // The window shown and active, as the user has it, for real clicks.
    void showActive(frmlancontas& f) {
        f.show();
        QApplication::setActiveWindow(&f);
    }
    // Into `box` and its text typed over.
    void retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // Enter pressed until the focus reaches `target`.
    void enterUntil(QWidget* target) {
        for (int i = 0; i < 10 && !target->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_TRUE(target->hasFocus());
    }
    // "Salvar Dados" clicked, the save confirmed.
    void clickSave(frmlancontas& f) {
        dialogs.answer(dlg::Answer::Yes);
        QTest::mouseClick(f.cmdsalva, Qt::LeftButton);
        EXPECT_EQ(dialogs.pending(), 0);
    }
    // F3 in "Fornecedor"; once the picker closes, the window is active
    // again, as a window manager makes it.
    void pressF3(frmlancontas& f) {
        QTest::keyClick(f.txtcdfor, Qt::Key_F3);
        QApplication::setActiveWindow(&f);
    }
    // The cost-centre picker, when it opens, hands back the centre `name`.
    void pickCentre(const QString& name) {
        testsupport::whenModal<frmBuscaCentroCusto>([name](frmBuscaCentroCusto* p) {
            const int row = static_cast<int>(columnTexts(p->DataGrid1->model(), 0).indexOf(name));
            p->DataGrid1->setCurrentIndex(p->DataGrid1->model()->index(row, 0));
            QTest::keyClick(p->DataGrid1, Qt::Key_F10);
        });
    }
    QStringList stored() {
        return rows(QStringLiteral("select idlan, nrdoc, parcela, vrorig, vrab, vrpg, pago, "
                                   "date_format(dtv, '%d/%m/%Y') from cpagar order by idlan"));
    }
};

TEST_F(Lancamento, PlanAndSaveOfANewDocument) {
    frmlancontas f;
    EXPECT_EQ(f.txtDTe->text(), hojeBr());
    EXPECT_EQ(f.txtnmfor->text(), QString());
    // The value is asked again until it is a positive number, the date until
    // it is no more than ten days back.
    dialogs.answerInput(QStringLiteral("0"));
    dialogs.answerInput(QStringLiteral("abc"));
    dialogs.answerInput(QStringLiteral("1.234,50"));
    dialogs.answerInput(hojeBr(-11));
    // The date typed as into a date box, digits only.
    plan(f, QStringLiteral("123"), QStringLiteral("3"), QStringLiteral("x"),
         hojeBr(-10).remove(QLatin1Char('/')));
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral(
                  "--- ERRO --- VENCIMENTO MUITO RETROATIVO ACIMA DE 10 (DEZ) DIAS!")});
    EXPECT_EQ(f.txtnmfor->text(), QStringLiteral("ACME"));
    EXPECT_EQ(f.txtNmCentro->text(), QStringLiteral("OBRAS"));
    EXPECT_EQ(f.txtNmTPd->text(), QStringLiteral("MATERIAL"));
    ASSERT_EQ(f.txtVR.size(), 3);
    EXPECT_FALSE(f.frmVCT->isHidden());
    const QDate first = QDate::currentDate().addDays(-10);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.txtVR[i]->text(), QStringLiteral("1234,50"));
        EXPECT_EQ(f.txtVCT[i]->text(), dates::toBr(first.addMonths(i)));
        EXPECT_EQ(f.lblParc[i]->text(), QStringLiteral("00%1/003").arg(i + 1));
    }
    f.txtDTe->setText(dates::toBr(first));
    dialogs.clear();
    save(f);
    EXPECT_EQ(f.cmdVR->text(), QStringLiteral("Vr Total: R$ 3.703,50"));
    const QStringList r = stored();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0], QStringLiteral("123/001/003/1|123|001/003|1234.50|1234.50|0.00|N|") +
                        dates::toBr(first));
    EXPECT_TRUE(r[2].startsWith(QStringLiteral("123/003/003/1|")));
    EXPECT_EQ(value(QStringLiteral("select count(distinct evcad) from cpagar where evcad = ultev "
                                   "and evcad like 'CAIXA %'")),
              QStringLiteral("1"));
    // The screen is clear again and the list shows the rows.
    EXPECT_TRUE(f.frmVCT->isHidden());
    EXPECT_TRUE(f.txtnrdoc->text().isEmpty());
    EXPECT_EQ(f.txtQtParc->text(), QStringLiteral("1"));
    EXPECT_EQ(f.DataGrid1->model()->rowCount(), 3);
    EXPECT_EQ(f.DataGrid1->model()->index(0, 2).data().toString(), QStringLiteral("R$ 1.234,50"));
}

TEST_F(Lancamento, CancelledInputLeavesThePlanUnbuilt) {
    frmlancontas f;
    plan(f, QStringLiteral("5"), QStringLiteral("3"), QStringLiteral("10"), hojeBr());
    ASSERT_EQ(f.txtVR.size(), 3);
    dialogs.answerInput(std::nullopt);
    f.txtQtParc_LostFocus();
    EXPECT_EQ(f.txtVR.size(), 1);
    EXPECT_EQ(f.txtVR[0]->text(), QStringLiteral("10,00"));
}

TEST_F(Lancamento, HundredFifteenInstalmentsFillFiveColumns) {
    frmlancontas f;
    plan(f, QStringLiteral("9"), QStringLiteral("115"), QStringLiteral("1"), hojeBr());
    ASSERT_EQ(f.txtVR.size(), 115);
    EXPECT_EQ(f.lblParc[114]->text(), QStringLiteral("115/115"));
    EXPECT_EQ(f.lblVR.keys(), (QList<int>{0, 22, 45, 68, 91}));
    // Columns start 2665 twips apart; each holds 23 rows.
    EXPECT_EQ(f.txtVR[22]->x(), f.txtVR[0]->x());
    EXPECT_EQ(f.txtVR[23]->x(), (100 + 2665) / 15);
    EXPECT_EQ(f.txtVR[23]->y(), f.txtVR[0]->y());
    EXPECT_EQ(f.txtVR[114]->x(), (100 + 4 * 2665) / 15);
    EXPECT_EQ(f.txtVCT[114]->text(), dates::toBr(QDate::currentDate().addMonths(114)));
    // A plan of one clears the others.
    f.txtQtParc->setText(QStringLiteral("1"));
    dialogs.answerInput(QStringLiteral("1"));
    dialogs.answerInput(hojeBr());
    f.txtQtParc_LostFocus();
    EXPECT_EQ(f.txtVR.size(), 1);
    EXPECT_EQ(f.lblVR.keys(), QList<int>{0});
    EXPECT_EQ(f.lblParc[0]->text(), QStringLiteral("001/001"));
    EXPECT_EQ(f.txtIdLan[0]->text(), QStringLiteral("9/001/001/1"));
}

TEST_F(Lancamento, StoredUnpaidDocumentIsRewrittenOrDeleted) {
    frmlancontas f;
    plan(f, QStringLiteral("77"), QStringLiteral("2"), QStringLiteral("50"), hojeBr());
    save(f);
    cn.execute(QStringLiteral("update cpagar set evcad = 'OLD', ultev = 'OLD'"));
    // Chosen in the list: the document comes back with its rows.
    f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(1, 0));
    f.DataGrid1_DblClick();
    EXPECT_EQ(f.encontrado, QStringLiteral("S"));
    EXPECT_EQ(f.txtnrdoc->text(), QStringLiteral("77"));
    EXPECT_EQ(f.txtref->text(), QStringLiteral("NF 10"));
    EXPECT_EQ(f.txtQtParc->text(), QStringLiteral("2"));
    EXPECT_EQ(f.txtNmCentro->text(), QStringLiteral("OBRAS"));
    ASSERT_EQ(f.txtVR.size(), 2);
    EXPECT_EQ(f.lblParc[1]->text(), QStringLiteral("002/002"));
    EXPECT_TRUE(f.cmdexclu->isEnabled());
    f.txtVR[1]->setText(QStringLiteral("60"));
    save(f);
    EXPECT_EQ(rows(QStringLiteral("select vrorig, vrab, evcad = 'OLD' from cpagar order by "
                                  "parcela")),
              (QStringList{QStringLiteral("50.00|50.00|0"), QStringLiteral("60.00|60.00|0")}));

    f.txtnrdoc->setText(QStringLiteral("77"));
    f.txtcdfor->setText(QStringLiteral("1"));
    f.txtcdfor_LostFocus();
    dialogs.clear();
    dialogs.answer(dlg::Answer::Yes);
    f.cmdexclu_Click();
    EXPECT_EQ(count(QStringLiteral("cpagar")), 0);
    EXPECT_FALSE(f.cmdexclu->isEnabled());
}

TEST_F(Lancamento, PartlyPaidDocumentChangesOnlyItsOpenRows) {
    frmlancontas f;
    plan(f, QStringLiteral("88"), QStringLiteral("3"), QStringLiteral("100"), hojeBr());
    save(f);
    cn.execute(QStringLiteral("update cpagar set vrpg = 100, pago = 'S', nrrec = 'R1', obs = "
                              "'PAGA' where parcela = '001/003'"));
    f.txtnrdoc->setText(QStringLiteral("88"));
    f.txtcdfor->setText(QStringLiteral("1"));
    f.txtcdfor_LostFocus();
    EXPECT_FALSE(f.txtQtParc->isEnabled());
    EXPECT_FALSE(f.txtVR[0]->isEnabled());
    EXPECT_TRUE(f.txtVR[1]->isEnabled());
    f.txtVR[2]->setText(QStringLiteral("120"));
    f.txtobs->setText(QStringLiteral("NOVA"));
    save(f);
    EXPECT_EQ(rows(QStringLiteral("select parcela, vrorig, vrab, vrpg, obs from cpagar order by "
                                  "parcela")),
              (QStringList{QStringLiteral("001/003|100.00|100.00|100.00|PAGA"),
                           QStringLiteral("002/003|100.00|100.00|0.00|NOVA"),
                           QStringLiteral("003/003|120.00|120.00|0.00|NOVA")}));
    // Deleting it is refused, and the button stays disabled.
    f.txtnrdoc->setText(QStringLiteral("88"));
    f.txtcdfor->setText(QStringLiteral("1"));
    f.txtcdfor_LostFocus();
    dialogs.clear();
    f.cmdexclu_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Despesa não pode ser excluída!")});
    EXPECT_FALSE(f.cmdexclu->isEnabled());
    EXPECT_EQ(count(QStringLiteral("cpagar")), 3);
    // Nor do the rules, when the boxes let the paid row through.
    const QStringList paid = stored();
    for (const bool whole : {true, false}) {
        load(f, QStringLiteral("88"));
        f.txtQtParc->setEnabled(whole);
        f.txtVR[0]->setEnabled(true);
        dialogs.clear();
        save(f);
        EXPECT_EQ(dialogs.texts().last(), QStringLiteral("--- ERRO --- DESPESA ALTERADA EM OUTRA "
                                                         "ESTAÇÃO! DADOS RECARREGADOS."));
    }
    f.txtQtParc->setEnabled(true);
    dialogs.answer(dlg::Answer::Yes);
    f.cmdexclu_Click();
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("Despesa não pode ser excluída!"));
    EXPECT_EQ(stored(), paid);
    // Clearing unlocks the plan for the next document.
    f.cmdretorna_Click();
    EXPECT_TRUE(f.txtQtParc->isEnabled());
    EXPECT_TRUE(f.txtVR[0]->isEnabled());
}

TEST_F(Lancamento, SettledMeanwhileIsNeitherRewrittenNorDeleted) {
    frmlancontas f;
    plan(f, QStringLiteral("99"), QStringLiteral("2"), QStringLiteral("30"), hojeBr());
    save(f);
    load(f, QStringLiteral("99"));
    ASSERT_TRUE(f.txtQtParc->isEnabled());
    f.txtVR[0]->setText(QStringLiteral("35"));
    // Another window takes an instalment into a receipt.
    cn.execute(QStringLiteral("update cpagar set vrpg = 30, pago = 'X', nrrec = 'R9' where "
                              "parcela = '002/002'"));
    const QStringList before = stored();
    dialogs.clear();
    save(f);
    EXPECT_EQ(
        dialogs.texts().last(),
        QStringLiteral("--- ERRO --- DESPESA ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS."));
    EXPECT_EQ(stored(), before);
    // Read again: the row paid meanwhile shows locked, the typed value is
    // gone, and so is its total.
    EXPECT_FALSE(f.frmVCT->isHidden());
    EXPECT_EQ(f.txtVR[0]->text(), QStringLiteral("30,00"));
    EXPECT_EQ(f.cmdVR->text(), QStringLiteral("Vr Total: R$ 60,00"));
    EXPECT_TRUE(f.txtVR[0]->isEnabled());
    EXPECT_FALSE(f.txtVR[1]->isEnabled());
    EXPECT_FALSE(f.txtQtParc->isEnabled());
    dialogs.clear();
    f.cmdexclu_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Despesa não pode ser excluída!")});
    EXPECT_EQ(stored(), before);
    // A new document under the same number and supplier is refused too.
    f.cmdretorna_Click();
    f.txtnrdoc->setText(QStringLiteral("99"));
    f.txtcdfor->setText(QStringLiteral("1"));
    f.encontrado = QStringLiteral("N");
    f.txtref->setText(QStringLiteral("X"));
    f.txtCdCentro->setText(QStringLiteral("1"));
    f.txtCdTPd->setText(QStringLiteral("1"));
    f.txtVR[0]->setText(QStringLiteral("1"));
    f.txtVCT[0]->setText(hojeBr());
    dialogs.clear();
    save(f);
    EXPECT_EQ(dialogs.texts().last(),
              QStringLiteral("--- ERRO --- DOCUMENTO JÁ CADASTRADO PARA ESTE FORNECEDOR!"));
    EXPECT_EQ(stored(), before);
}

TEST_F(Lancamento, RetypedNumberOrSupplierActsOnTheDocumentLoaded) {
    frmlancontas f;
    showActive(f);
    plan(f, QStringLiteral("NF123"), QStringLiteral("2"), QStringLiteral("10"), hojeBr());
    f.txtobs->setText(QStringLiteral("PECAS"));
    save(f);
    plan(f, QStringLiteral("NF200"), QStringLiteral("1"), QStringLiteral("5"), hojeBr());
    save(f);
    load(f, QStringLiteral("NF123"));
    ASSERT_TRUE(f.cmdexclu->isEnabled());
    // Retyped and walked through with Enter, the number no longer names the
    // document shown: no delete, and leaving "Fornecedor", which finds
    // nothing under it, keeps the document as loaded.
    retype(f.txtnrdoc, QStringLiteral("NF124"));
    EXPECT_FALSE(f.cmdexclu->isEnabled());
    enterUntil(f.txtDTe);
    EXPECT_EQ(f.encontrado, QStringLiteral("S"));
    EXPECT_EQ(f.txtobs->text(), QStringLiteral("PECAS"));
    EXPECT_EQ(f.txtNmCentro->text(), QStringLiteral("OBRAS"));
    EXPECT_EQ(f.txtNmTPd->text(), QStringLiteral("MATERIAL"));
    EXPECT_FALSE(f.frmVCT->isHidden());
    EXPECT_FALSE(f.cmdexclu->isEnabled());
    f.cmdexclu_Click();
    EXPECT_EQ(count(QStringLiteral("cpagar")), 3);
    // Saved, the document moves to the new number: stored once.
    clickSave(f);
    EXPECT_EQ(rows(QStringLiteral("select idlan, nrdoc, obs, cdcen from cpagar where cdfor = 1 "
                                  "and nrdoc <> 'NF200' order by idlan")),
              (QStringList{QStringLiteral("NF124/001/002/1|NF124|PECAS|1"),
                           QStringLiteral("NF124/002/002/1|NF124|PECAS|1")}));
    // So does the supplier, left by a click elsewhere.
    load(f, QStringLiteral("NF124"));
    retype(f.txtcdfor, QStringLiteral("2"));
    QTest::mouseClick(f.txtobs, Qt::LeftButton);
    EXPECT_EQ(f.encontrado, QStringLiteral("S"));
    EXPECT_EQ(f.txtNmCentro->text(), QStringLiteral("OBRAS"));
    clickSave(f);
    EXPECT_EQ(value(QStringLiteral("select group_concat(idlan order by idlan) from cpagar where "
                                   "nrdoc = 'NF124'")),
              QStringLiteral("NF124/001/002/2,NF124/002/002/2"));
    EXPECT_EQ(count(QStringLiteral("cpagar")), 3);
    // Onto a number that already holds a document of that supplier: refused.
    load(f, QStringLiteral("NF124"), QStringLiteral("2"));
    retype(f.txtcdfor, QStringLiteral("1"));
    retype(f.txtnrdoc, QStringLiteral("NF200"));
    const QStringList before = stored();
    dialogs.clear();
    clickSave(f);
    EXPECT_EQ(dialogs.texts().last(),
              QStringLiteral("--- ERRO --- DOCUMENTO JÁ CADASTRADO PARA ESTE FORNECEDOR!"));
    EXPECT_EQ(stored(), before);

    // A partly paid document keeps its number and supplier, however they
    // were retyped and left.
    cn.execute(QStringLiteral("update cpagar set vrpg = 10, pago = 'S' where idlan = "
                              "'NF124/001/002/2'"));
    const QStringList paid = stored();
    for (const bool numero : {true, false}) {
        SCOPED_TRACE(numero ? "number" : "supplier");
        load(f, QStringLiteral("NF124"), QStringLiteral("2"));
        ASSERT_FALSE(f.txtQtParc->isEnabled());
        if (numero) {
            retype(f.txtnrdoc, QStringLiteral("NF125"));
            enterUntil(f.txtDTe);
        } else {
            retype(f.txtcdfor, QStringLiteral("1"));
            QTest::mouseClick(f.txtobs, Qt::LeftButton);
        }
        EXPECT_FALSE(f.cmdexclu->isEnabled());
        EXPECT_FALSE(f.txtQtParc->isEnabled());
        dialogs.clear();
        QTest::mouseClick(f.cmdsalva, Qt::LeftButton);
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- DESPESA COM PARCELA "
                                                              "PAGA NÃO PODE TER NÚMERO OU "
                                                              "FORNECEDOR ALTERADO!")});
        EXPECT_EQ(stored(), paid);
    }
}

// Two stations on one bill: each save or delete acts only over the rows as
// its window loaded them, and a stale one writes nothing.
TEST_F(Lancamento, TwoStationsActOnlyOverTheBillAsLoaded) {
    const QString alterada =
        QStringLiteral("--- ERRO --- DESPESA ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.");
    const QString sumiu =
        QStringLiteral("--- ERRO --- DESPESA NÃO ENCONTRADA! CONSULTE NOVAMENTE.");
    frmlancontas a;
    frmlancontas b;
    plan(a, QStringLiteral("80"), QStringLiteral("2"), QStringLiteral("50"), hojeBr());
    save(a);
    load(a, QStringLiteral("80"));
    load(b, QStringLiteral("80"));
    showActive(a);
    retype(a.txtVR[1], QStringLiteral("60"));
    clickSave(a);
    showActive(b);
    retype(b.txtobs, QStringLiteral("NOTA"));
    const QStringList saved = stored();
    dialogs.clear();
    clickSave(b);
    EXPECT_EQ(dialogs.texts().last(), alterada);
    EXPECT_EQ(stored(), saved);
    EXPECT_EQ(b.txtVR[1]->text(), QStringLiteral("60,00"));
    EXPECT_TRUE(b.txtobs->text().isEmpty());
    retype(b.txtobs, QStringLiteral("NOTA"));
    dialogs.clear();
    clickSave(b);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Confirma?")});
    EXPECT_EQ(rows(QStringLiteral("select vrorig, obs from cpagar order by parcela")),
              (QStringList{QStringLiteral("50.00|NOTA"), QStringLiteral("60.00|NOTA")}));

    // A delete over a bill saved meanwhile is refused the same way.
    load(a, QStringLiteral("80"));
    load(b, QStringLiteral("80"));
    showActive(b);
    retype(b.txtVR[0], QStringLiteral("55"));
    clickSave(b);
    const QStringList resaved = stored();
    showActive(a);
    dialogs.clear();
    dialogs.answer(dlg::Answer::Yes);
    QTest::mouseClick(a.cmdexclu, Qt::LeftButton);
    EXPECT_EQ(dialogs.texts().last(), alterada);
    EXPECT_EQ(stored(), resaved);
    EXPECT_EQ(a.txtVR[0]->text(), QStringLiteral("55,00"));

    // Renumbered (80 -> 81) or deleted at the other station: the stale
    // window neither brings the bill back nor stores it twice.
    for (const bool renumbered : {true, false}) {
        SCOPED_TRACE(renumbered ? "renumbered" : "deleted");
        load(a, QStringLiteral("80"));
        load(b, QStringLiteral("80"));
        showActive(a);
        if (renumbered) {
            retype(a.txtnrdoc, QStringLiteral("81"));
            clickSave(a);
        } else {
            dialogs.answer(dlg::Answer::Yes);
            QTest::mouseClick(a.cmdexclu, Qt::LeftButton);
        }
        const QStringList after = stored();
        EXPECT_EQ(after.size(), renumbered ? 2 : 0);
        showActive(b);
        dialogs.clear();
        clickSave(b);
        dialogs.answer(dlg::Answer::Yes);
        QTest::mouseClick(b.cmdexclu, Qt::LeftButton);
        EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Confirma?"), sumiu,
                                                QStringLiteral("Confirma a exclusão?"), sumiu}));
        EXPECT_EQ(stored(), after);
        if (renumbered) {
            load(a, QStringLiteral("81"));
            retype(a.txtnrdoc, QStringLiteral("80"));
            clickSave(a);
        }
    }
    EXPECT_EQ(count(QStringLiteral("cpagar")), 0);
}

TEST_F(Lancamento, PickerKeysInFornecedorLoadTheBillFirst) {
    cn.execute(QStringLiteral("insert into centrocusto (nmcen) values ('ADM'), ('FROTA')"));
    frmlancontas f;
    showActive(f);
    plan(f, QStringLiteral("NF300"), QStringLiteral("2"), QStringLiteral("10"), hojeBr());
    f.txtobs->setText(QStringLiteral("PECAS"));
    save(f);
    // The number and supplier of the stored bill typed, then F3 in
    // "Fornecedor": the bill is read before the picker opens, and the
    // centre picked stays.
    retype(f.txtnrdoc, QStringLiteral("NF300"));
    retype(f.txtcdfor, QStringLiteral("1"));
    pickCentre(QStringLiteral("ADM"));
    pressF3(f);
    EXPECT_EQ(f.encontrado, QStringLiteral("S"));
    ASSERT_EQ(f.txtVR.size(), 2);
    EXPECT_EQ(f.txtobs->text(), QStringLiteral("PECAS"));
    EXPECT_EQ(f.txtCdCentro->text(), QStringLiteral("2"));
    EXPECT_EQ(f.txtNmCentro->text(), QStringLiteral("ADM"));
    EXPECT_TRUE(f.txtCdCentro->hasFocus());
    // The supplier retyped, F3 again: the bill stays loaded, takes the new
    // centre and moves to the new supplier.
    retype(f.txtcdfor, QStringLiteral("2"));
    pickCentre(QStringLiteral("FROTA"));
    pressF3(f);
    EXPECT_EQ(f.encontrado, QStringLiteral("S"));
    EXPECT_EQ(f.txtNmCentro->text(), QStringLiteral("FROTA"));
    EXPECT_EQ(f.txtNmTPd->text(), QStringLiteral("MATERIAL"));
    EXPECT_EQ(f.txtobs->text(), QStringLiteral("PECAS"));
    clickSave(f);
    EXPECT_EQ(rows(QStringLiteral("select idlan, cdcen, obs from cpagar order by idlan")),
              (QStringList{QStringLiteral("NF300/001/002/2|3|PECAS"),
                           QStringLiteral("NF300/002/002/2|3|PECAS")}));
}

TEST_F(Lancamento, FailedStatementRollsTheWholeSaveBack) {
    frmlancontas f;
    plan(f, QStringLiteral("55"), QStringLiteral("2"), QStringLiteral("10"), hojeBr());
    save(f);
    const QStringList before = stored();
    cn.execute(QStringLiteral("create trigger falha before insert on cpagar for each row begin "
                              "if new.parcela = '002/002' then signal sqlstate '45000' set "
                              "message_text = 'falhou'; end if; end"));
    load(f, QStringLiteral("55"));
    f.txtVR[0]->setText(QStringLiteral("11"));
    dialogs.clear();
    save(f);
    cn.execute(QStringLiteral("drop trigger falha"));
    EXPECT_TRUE(dialogs.texts().last().startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(f.txtVR[0]->text(), QStringLiteral("11,00"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Rows another station holds past every retry: said as its change, and
    // the document read again.
    {
        const testsupport::LastingConflict conflict(cn, QStringLiteral("before insert on cpagar"));
        dialogs.clear();
        save(f);
    }
    EXPECT_EQ(
        dialogs.texts().last(),
        QStringLiteral("--- ERRO --- DESPESA ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS."));
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(f.txtVR[0]->text(), QStringLiteral("10,00"));
}

TEST_F(Lancamento, ClicksStraightFromTheCountBox) {
    frmlancontas f;
    showActive(f);
    f.txtnrdoc->setText(QStringLiteral("500"));
    f.txtref->setText(QStringLiteral("NF 5"));
    f.txtcdfor->setText(QStringLiteral("1"));
    f.txtobs->setText(QStringLiteral("NOVA"));
    f.txtCdCentro->setText(QStringLiteral("1"));
    f.txtCdTPd->setText(QStringLiteral("1"));
    // Into "Fornecedor": the plan is built and the focus sent to its first
    // value; the supplier box the user only clicked into loads nothing.
    replanByClick(f, QStringLiteral("3"), QStringLiteral("20"), f.txtcdfor);
    ASSERT_EQ(f.txtVR.size(), 3);
    EXPECT_FALSE(f.frmVCT->isHidden());
    EXPECT_TRUE(f.txtVR[0]->hasFocus());
    EXPECT_EQ(f.txtobs->text(), QStringLiteral("NOVA"));
    EXPECT_EQ(f.txtNmCentro->text(), QStringLiteral("OBRAS"));
    // Into a row of the plan being rebuilt: the new rows, and no crash.
    replanByClick(f, QStringLiteral("2"), QStringLiteral("30"), f.txtVR[1]);
    ASSERT_EQ(f.txtVR.size(), 2);
    EXPECT_EQ(f.txtVR[1]->text(), QStringLiteral("30,00"));
    EXPECT_TRUE(f.txtVR[0]->hasFocus());
    save(f);
    EXPECT_EQ(value(QStringLiteral("select group_concat(vrorig) from cpagar")),
              QStringLiteral("30.00,30.00"));

    // A stored unpaid bill planned anew keeps the new plan.
    load(f, QStringLiteral("500"));
    replanByClick(f, QStringLiteral("4"), QStringLiteral("40"), f.txtcdfor);
    ASSERT_EQ(f.txtVR.size(), 4);
    save(f);
    EXPECT_EQ(value(QStringLiteral("select group_concat(vrorig) from cpagar")),
              QStringLiteral("40.00,40.00,40.00,40.00"));
    // Leaving "Fornecedor" by a click into a row reads the document again.
    load(f, QStringLiteral("500"));
    f.txtVR[2]->setText(QStringLiteral("1"));
    f.txtcdfor->setFocus();
    QTest::mouseClick(f.txtVR[2], Qt::LeftButton);
    ASSERT_EQ(f.txtVR.size(), 4);
    EXPECT_EQ(f.txtVR[2]->text(), QStringLiteral("40,00"));
    EXPECT_EQ(dialogs.pending(), 0);
}

TEST_F(Lancamento, EscWaitsUntilThePanelIsHidden) {
    frmlancontas f;
    f.show();
    QApplication::setActiveWindow(&f);
    plan(f, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("10"), hojeBr());
    ASSERT_FALSE(f.frmVCT->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    f.cmdretorna_Click();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(shared::gCn().isOpen());
}

// A refused save puts the focus in the box the refusal is about: the first
// header box left wrong, the emission date, or the instalment named.
TEST_F(Lancamento, RefusedSaveFocusesTheBoxAtFault) {
    frmlancontas f;
    showActive(f);
    plan(f, QStringLiteral("600"), QStringLiteral("3"), QStringLiteral("10"), hojeBr());
    const QString incompletos = QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!");
    // Of two boxes left blank, the first the user meets.
    f.txtCdTPd->clear();
    f.txtref->clear();
    QTest::mouseClick(f.cmdsalva, Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(), QStringList{incompletos});
    EXPECT_EQ(f.focusWidget(), f.txtref);
    f.txtref->setText(QStringLiteral("NF 10"));
    f.txtCdTPd->setText(QStringLiteral("1"));

    auto digitos = [](int days) { return hojeBr(days).remove(QLatin1Char('/')); };
    // Typed, then a click into "OBS" and one on "Salvar Dados".
    const struct {
        QLineEdit* box;
        QString typed;
        QString message;
    } cases[] = {
        {f.txtnrdoc, {}, incompletos},
        {f.txtCdCentro, QStringLiteral("99"), incompletos},
        {f.txtDTe, digitos(1),
         QStringLiteral("--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA ATUAL!")},
        {f.txtVCT[0], digitos(-1),
         QStringLiteral(
             "--- ERRO --- PRIMEIRO VENCIMENTO NÃO PODE SER INFERIOR À DATA DE EMISSÃO!")},
        {f.txtVCT[1], digitos(0),
         QStringLiteral("A PARCELA 002/003 POSSUI VENCIMENTO IGUAL E/OU INFERIOR À PARCELA "
                        "ANTERIOR!")},
        {f.txtVR[1], QStringLiteral("abc"),
         QStringLiteral("--- ERRO --- O VALOR DA PARCELA 002/003 E INVÁLIDO!")},
        {f.txtVR[2], QStringLiteral("0"),
         QStringLiteral("--- ERRO --- O VALOR DA PARCELA 003/003 NÃO PODE SER MENOR E/OU IGUAL A "
                        "ZERO!")},
        {f.txtcdfor, {}, incompletos},
    };
    const QString fornecedor = f.txtcdfor->text();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " " + c.message.toStdString());
        const QString was = c.box->text();
        retype(c.box, c.typed);
        if (c.typed.isEmpty())
            QTest::keyClick(c.box, Qt::Key_Delete);
        QTest::mouseClick(f.txtobs, Qt::LeftButton);
        dialogs.clear();
        QTest::mouseClick(f.cmdsalva, Qt::LeftButton);
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(f.focusWidget(), c.box);
        c.box->setText(was);
    }
    EXPECT_EQ(count(QStringLiteral("cpagar")), 0);
    // The supplier typed again and left: nothing is stored under it, and what
    // was typed for the new document stays to be saved.
    retype(f.txtcdfor, fornecedor);
    QTest::keyClick(f.txtcdfor, Qt::Key_Tab);
    EXPECT_FALSE(f.frmVCT->isHidden());
    EXPECT_EQ(f.txtCdCentro->text(), QStringLiteral("1"));
    dialogs.clear();
    dialogs.answer(dlg::Answer::Yes);
    QTest::mouseClick(f.cmdsalva, Qt::LeftButton);
    EXPECT_EQ(count(QStringLiteral("cpagar")), 3);
}
