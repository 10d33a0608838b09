#include "platform/data_grid.h"
#include "platform/db/connection.h"
#include "platform/db/moment_key.h"
#include "registers/frmBuscaProd.h"
#include "registers/frmBuscaVendedor.h"
#include "service_orders/categoria_item.h"
#include "service_orders/custo_rules.h"
#include "service_orders/frmOS_Custos.h"
#include "service_orders/os_stamp.h"
#include "tests/service_orders/supply_test_support.h"
#include "tests/support/modal.h"
#include "tests/support/other_station.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <optional>

using regtest::columnTexts;

class CostLines : public supplytest::SupplyTest {
protected:
    void SetUp() override {
        SupplyTest::SetUp();
        addCategory(QStringLiteral("PINTURA"));
        addCategory(QStringLiteral("ELÉTRICA"));
        addSupply(QStringLiteral("7"), QStringLiteral("TINTA ACRÍLICA"), QStringLiteral("GL"),
                  QStringLiteral("12.5"));
        order = addOrder(QStringLiteral("2"));
    }
    std::unique_ptr<frmOS_Custos> open() {
        auto form = std::make_unique<frmOS_Custos>();
        form->txtOsNr->setText(QString::number(order));
        showActive(form.get());
        return form;
    }
    // A supply line typed as the user does: category, code, Enter, quantity.
    void typeSupplyLine(frmOS_Custos& form, const QString& code, const QString& qt) {
        form.cboCat->setCurrentIndex(0);
        form.txtCdPro->setFocus();
        form.txtCdPro->setText(code);
        QTest::keyClick(form.txtCdPro, Qt::Key_Return);
        form.txtQt->setText(qt);
    }
    // A purchase item of 10 with `qtdest` handed out, and supply lines of 3
    // allocated from it.
    void allocated(const char* qtdest, std::initializer_list<const char*> keys) {
        cn.execute(QStringLiteral("insert into insumos_cmp (idlan, qtde, qtdest) values ('ITEM', "
                                  "10, ?)"),
                   {QString::fromLatin1(qtdest)});
        for (const char* key : keys)
            cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, qtde, valor, "
                                      "cdcat, idest) values (?, ?, 'P', 3, 2, 1, 'ITEM')"),
                       {QString::fromLatin1(key), order});
    }
    // The row-selected gesture on a line, the question answered.
    void remove(frmOS_Custos& form, int row, dlg::Answer answer) {
        form.DataGrid1->setCurrentIndex(form.DataGrid1->model()->index(row, 0));
        dialogs.answer(answer);
        form.DataGrid1_DblClick();
    }
    QString itemQtdest() { return value(QStringLiteral("select qtdest from insumos_cmp")); }
    QString totals(const char* p, const char* s, const char* t) {
        return QStringLiteral("Produtos: R$ %1 Srv/M.Obr: R$ %2 Total: R$ %3")
            .arg(QLatin1String(p), QLatin1String(s), QLatin1String(t));
    }
    qint64 order = 0;
};

TEST_F(CostLines, AnOrderWithoutLinesShowsZeroTotals) {
    frmOS_Custos form;
    EXPECT_EQ(form.lTL->text(), QStringLiteral("SubTotal"));
    EXPECT_EQ(form.cboCat->count(), 2);
    EXPECT_EQ(form.cboCat->itemText(1), QStringLiteral("ELÉTRICA | 2"));
    EXPECT_EQ(form.cboCat->currentIndex(), -1);
    form.txtOsNr->setText(QString::number(order));
    showActive(&form);
    EXPECT_EQ(form.lTL->text(), totals("0,00", "0,00", "0,00"));
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 0);
}

TEST_F(CostLines, SupplyLineLooksUpTheCodeAsANumberAndIsSaved) {
    auto form = open();
    typeSupplyLine(*form, QStringLiteral("007"), QStringLiteral("1.234,5"));
    EXPECT_EQ(form->txtDsSRV->text(), QStringLiteral("TINTA ACRÍLICA"));
    EXPECT_EQ(form->txtUn->text(), QStringLiteral("GL"));
    EXPECT_EQ(form->txtVU->text(), QStringLiteral("12,50"));
    form->Command2_Click();
    EXPECT_TRUE(dialogs.shown().empty());

    const db::Recordset r = cn.query(QStringLiteral("select * from os_custos"));
    ASSERT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.text(QStringLiteral("tipo")), QStringLiteral("P"));
    EXPECT_EQ(r.text(QStringLiteral("cdpro")), QStringLiteral("007"));
    EXPECT_EQ(r.text(QStringLiteral("dspro")), QStringLiteral("TINTA ACRÍLICA"));
    EXPECT_EQ(r.decimal(QStringLiteral("qtde")), Decimal::parse(QStringLiteral("1234,5")));
    EXPECT_EQ(r.decimal(QStringLiteral("valor")), Decimal::parse(QStringLiteral("12,5")));
    EXPECT_EQ(r.integer(QStringLiteral("cdcat")), 1);
    EXPECT_TRUE(r.isNull(QStringLiteral("idest")));
    EXPECT_TRUE(r.text(QStringLiteral("idlan")).startsWith(QString::number(order) + "_"));
    EXPECT_TRUE(r.text(QStringLiteral("idlan")).endsWith(QStringLiteral("_TESTE")));
    EXPECT_TRUE(r.text(QStringLiteral("evcad")).endsWith(QStringLiteral(" TESTE")));

    // The boxes are emptied for the next line, the category stays.
    for (QLineEdit* box : {form->txtCdPro, form->txtDsSRV, form->txtUn, form->txtQt, form->txtVU})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(form->cboCat->currentText(), QStringLiteral("PINTURA | 1"));
    EXPECT_TRUE(form->txtCdPro->hasFocus());
    EXPECT_TRUE(form->Frame1->isEnabled());
    EXPECT_EQ(form->lTL->text(), totals("15.431,25", "0,00", "15.431,25"));
    const QAbstractItemModel* list = form->DataGrid1->model();
    EXPECT_EQ(columnTexts(list, 0), QStringList{QStringLiteral("PINTURA")});
    EXPECT_EQ(columnTexts(list, 4), QStringList{QStringLiteral("1234,50")});
    EXPECT_EQ(columnTexts(list, 5), QStringList{QStringLiteral("12,50")});
}

// Another station deleted or completed the order while the line was typed:
// nothing is written and the user is told why; the line stays typed, unless
// the order is gone, which the window then no longer shows.
TEST_F(CostLines, NoLineUnderAnOrderGoneOrCompleted) {
    auto form = open();
    for (const auto& c : ordertest::kConcluidaOuExcluida) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        typeSupplyLine(*form, QStringLiteral("7"), QStringLiteral("2"));
        cn.execute(QString::fromLatin1(c.change));
        form->Command2->click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, c.message);
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(count(QStringLiteral("os_custos")), 0);
        EXPECT_EQ(form->txtDsSRV->text(), c.gone ? QString() : QStringLiteral("TINTA ACRÍLICA"));
        EXPECT_EQ(form->txtQt->text(), c.gone ? QString() : QStringLiteral("2"));
        EXPECT_EQ(form->txtOsNr->text().isEmpty(), c.gone);
        EXPECT_TRUE(form->Frame1->isEnabled());
    }
}

TEST_F(CostLines, IncompleteOrWrongLinesAreRefusedInOrder) {
    struct Case {
        const char* code;
        int category;
        const char* qt;
        const char* vu;
        const char* message;
        dlg::Icon icon;
    };
    const char* incomplete = "--- ERRO --- DADOS INCOMPLETOS!";
    const auto info = dlg::Icon::Information;
    const auto warn = dlg::Icon::Exclamation;
    const std::vector<Case> cases = {
        {"7", -1, "1", "1", incomplete, info},
        // A code that finds no supply, or is no number, fills no description.
        {"8", 0, "1", "1", incomplete, info},
        {"ABC", 0, "1", "1", incomplete, info},
        {"7", 0, "", "1", incomplete, info},
        {"7", 0, "1", "X", incomplete, info},
        {"7", 0, "0", "-1", "--- ERRO --- QUANTIDADE NÃO PODE SER MENOR E/OU IGUAL A ZERO!", warn},
        {"7", 0, "-2", "1", "--- ERRO --- QUANTIDADE NÃO PODE SER MENOR E/OU IGUAL A ZERO!", warn},
        {"7", 0, "1", "-0,01", "--- ERRO --- VALOR UNITÁRIO NÃO PODE SER MENOR QUE ZERO!", warn},
    };
    auto form = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        dialogs.clear();
        typeSupplyLine(*form, QString::fromLatin1(c.code), QString::fromLatin1(c.qt));
        form->txtUn->setText(QStringLiteral("UN"));
        form->cboCat->setCurrentIndex(c.category);
        form->txtVU->setText(QString::fromLatin1(c.vu));
        form->Command2_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages()[0].icon, c.icon);
        EXPECT_EQ(form->txtVU->text(), QString::fromLatin1(c.vu));
    }
    EXPECT_EQ(count(QStringLiteral("os_custos")), 0);
    // Without an order number nothing at all happens.
    dialogs.clear();
    form->txtOsNr->setText(QStringLiteral("X"));
    form->cboCat->setCurrentIndex(0);
    form->Command2_Click();
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(CostLines, LabourLineFromTheCollaboratorPicker) {
    const qint64 joao = colaborador(QStringLiteral("JOÃO PEDREIRO"));
    auto form = open();
    form->cboCat->setCurrentIndex(1);
    testsupport::whenModal<frmBuscaVendedor>(
        [](frmBuscaVendedor* picker) { QTest::keyClick(picker->DataGrid1, Qt::Key_F10); });
    QTest::keyClick(form->cboCat, Qt::Key_F3);
    EXPECT_FALSE(form->txtCdPro->isEnabled());
    EXPECT_FALSE(form->txtDsSRV->isEnabled());
    EXPECT_EQ(form->txtCdPro->text(), QString::number(joao));
    EXPECT_EQ(form->txtDsSRV->text(), QStringLiteral("JOÃO PEDREIRO"));
    EXPECT_EQ(form->focusWidget(), form->txtUn);
    form->txtUn->setText(QStringLiteral("HR"));
    form->txtQt->setText(QStringLiteral("2"));
    form->txtVU->setText(QStringLiteral("0"));
    form->Command2_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(value(QStringLiteral("select concat(tipo, '|', cdpro, '|', dspro, '|', cdcat) from "
                                   "os_custos")),
              QStringLiteral("S|%1|JOÃO PEDREIRO|2").arg(joao));
    // Back to supply lines; the description box stays as it was.
    EXPECT_TRUE(form->txtCdPro->isEnabled());
    EXPECT_FALSE(form->txtDsSRV->isEnabled());
    EXPECT_EQ(form->lTL->text(), totals("0,00", "0,00", "0,00"));

    // A cancelled picker changes nothing.
    testsupport::whenModal<frmBuscaVendedor>(
        [](frmBuscaVendedor* picker) { QTest::keyClick(picker->DataGrid1, Qt::Key_Escape); });
    form->txtCdPro->setText(QStringLiteral("7"));
    form->Command3_Click();
    EXPECT_TRUE(form->txtCdPro->isEnabled());
    EXPECT_EQ(form->txtCdPro->text(), QStringLiteral("7"));
}

TEST_F(CostLines, SupplyPickerFillsTheCodeBox) {
    auto form = open();
    form->txtCdPro->setEnabled(false);
    testsupport::whenModal<frmBuscaProd>(
        [](frmBuscaProd* picker) { QTest::keyClick(picker->DataGrid1, Qt::Key_F10); });
    QTest::keyClick(form->cboCat, Qt::Key_F2);
    EXPECT_TRUE(form->txtCdPro->isEnabled());
    EXPECT_EQ(form->txtCdPro->text(), QStringLiteral("7"));
    EXPECT_EQ(form->focusWidget(), form->txtCdPro);
    showActive(form.get());
    form->txtCdPro->setFocus();
    QTest::keyClick(form->txtCdPro, Qt::Key_Return);
    EXPECT_EQ(form->txtDsSRV->text(), QStringLiteral("TINTA ACRÍLICA"));
    EXPECT_TRUE(form->txtQt->hasFocus());
}

// An allocated line gives its quantity back to the purchase item, as the
// allocation's reversal does; a typed line only goes.
TEST_F(CostLines, DeletingAnAllocatedLineReturnsItsQuantity) {
    allocated("6", {"A", "B"});
    cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, qtde, valor, cdcat) "
                              "values ('C', ?, 'S', 1, 5, 1)"),
               {order});
    auto form = open();
    EXPECT_EQ(form->lTL->text(), totals("12,00", "5,00", "17,00"));
    remove(*form, 1, dlg::Answer::No);
    EXPECT_EQ(count(QStringLiteral("os_custos")), 3);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Confirma a exclusão?"));
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Atenção"));
    EXPECT_EQ(dialogs.messages()[0].defaultButton, dlg::Answer::No);

    // An item holding less than the line gave it keeps the line.
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 2"));
    remove(*form, 1, dlg::Answer::Yes);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("--- ERRO --- ESTOQUE DO ITEM INCONSISTENTE! CONSULTE A COMPRA."));
    EXPECT_EQ(count(QStringLiteral("os_custos")), 3);
    EXPECT_EQ(itemQtdest(), QStringLiteral("2.0000"));
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 6"));

    // An order another station completed meanwhile keeps its costs.
    cn.execute(QStringLiteral("update os_cab set ossit = '4'"));
    remove(*form, 1, dlg::Answer::Yes);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("--- ERRO --- ORDEM CONCLUÍDA NÃO PODE SER ALTERADA!"));
    EXPECT_EQ(count(QStringLiteral("os_custos")), 3);
    EXPECT_EQ(itemQtdest(), QStringLiteral("6.0000"));
    cn.execute(QStringLiteral("update os_cab set ossit = '2'"));

    remove(*form, 1, dlg::Answer::Yes);
    EXPECT_EQ(value(QStringLiteral("select group_concat(idlan order by idlan) from os_custos")),
              QStringLiteral("A,C"));
    EXPECT_EQ(itemQtdest(), QStringLiteral("3.0000"));
    EXPECT_EQ(form->lTL->text(), totals("6,00", "5,00", "11,00"));
    EXPECT_EQ(form->DataGrid1->model()->rowCount(), 2);
    EXPECT_TRUE(form->isEnabled());

    // The typed line takes nothing from the item.
    remove(*form, 1, dlg::Answer::Yes);
    EXPECT_EQ(value(QStringLiteral("select group_concat(idlan) from os_custos")),
              QStringLiteral("A"));
    EXPECT_EQ(itemQtdest(), QStringLiteral("3.0000"));

    // A line another window deleted meanwhile gives nothing back; the list
    // shows what is left.
    cn.execute(QStringLiteral("delete from os_custos"));
    dialogs.clear();
    remove(*form, 0, dlg::Answer::Yes);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(itemQtdest(), QStringLiteral("3.0000"));
    EXPECT_EQ(form->DataGrid1->model()->rowCount(), 0);
    EXPECT_EQ(form->lTL->text(), totals("0,00", "0,00", "0,00"));
}

// Another station reverses the same line at the same moment: it holds the
// line while this window asks to delete it, and the quantity comes back once.
TEST_F(CostLines, ALineDeletedTwiceAtOnceReturnsItsQuantityOnce) {
    allocated("3", {"A"});
    auto form = open();
    std::optional<testsupport::OtherStation> other;
    dialogs.onMessage([&](const dlg::Message& m) {
        if (m.text != QStringLiteral("Confirma a exclusão?"))
            return;
        other.emplace(
            shared::gConexao,
            [](db::Connection& second) {
                second.query(QStringLiteral("select qtde from os_custos where idlan = 'A' for "
                                            "update"));
            },
            [](db::Connection& second) {
                second.execute(QStringLiteral("delete from os_custos where idlan = 'A'"));
                second.execute(QStringLiteral("update insumos_cmp set qtdest = qtdest - 3"));
            });
    });
    remove(*form, 0, dlg::Answer::Yes);
    ASSERT_TRUE(other);
    EXPECT_TRUE(other->join());
    EXPECT_EQ(itemQtdest(), QStringLiteral("0.0000"));
    EXPECT_EQ(count(QStringLiteral("os_custos")), 0);
    EXPECT_EQ(form->DataGrid1->model()->rowCount(), 0);
}

// A lock another station keeps through every attempt: nothing changes and
// the user is told to try again.
TEST_F(CostLines, ALineKeptInUseIsLeftAsItWas) {
    allocated("3", {"A"});
    auto form = open();
    {
        const testsupport::LastingConflict conflict(cn,
                                                    QStringLiteral("before delete on os_custos"));
        remove(*form, 0, dlg::Answer::Yes);
    }
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].text, supplytest::kEmUso);
    EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(count(QStringLiteral("os_custos")), 1);
    EXPECT_EQ(itemQtdest(), QStringLiteral("3.0000"));
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CostLines, ListedByCategoryNameThenKeyAndTotalledByType) {
    const qint64 other = addOrder(QStringLiteral("3"));
    struct Line {
        const char* key;
        qint64 osnr;
        const char* tipo;
        int cdcat;
        const char* qtde;
        const char* valor;
    };
    for (const Line& l :
         {Line{"1_B", order, "P", 1, "2", "1000.25"}, Line{"1_A", order, "P", 1, "1", "0.5"},
          Line{"1_C", order, "S", 2, "3", "0.3333"}, Line{"2_A", other, "S", 2, "100", "100"}})
        cn.execute(QStringLiteral("insert into os_custos (idlan, osnr, tipo, qtde, valor, cdcat) "
                                  "values (?, ?, ?, ?, ?, ?)"),
                   {QString::fromLatin1(l.key), l.osnr, QString::fromLatin1(l.tipo), l.qtde,
                    l.valor, qint64(l.cdcat)});
    auto form = open();
    const QAbstractItemModel* list = form->DataGrid1->model();
    EXPECT_EQ(columnTexts(list, 0),
              (QStringList{QStringLiteral("ELÉTRICA"), QStringLiteral("PINTURA"),
                           QStringLiteral("PINTURA")}));
    EXPECT_EQ(columnTexts(list, 5), (QStringList{QStringLiteral("0,3333"), QStringLiteral("0,50"),
                                                 QStringLiteral("1000,25")}));
    EXPECT_EQ(form->lTL->text(), totals("2.001,00", "1,00", "2.002,00"));
    // A category shows whole, however long its name.
    cn.execute(QStringLiteral("update categorias set dsgrupo = 'PEÇAS E MATERIAIS' where "
                              "dsgrupo = 'PINTURA'"));
    form = open();
    const DataGrid* grid = form->DataGrid1;
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    EXPECT_GE(grid->columnWidth(0),
              QFontMetrics(grid->font()).horizontalAdvance(QStringLiteral("PEÇAS E MATERIAIS")) +
                  margins);
}

TEST_F(CostLines, AFailedSaveKeepsTheLineTyped) {
    auto form = open();
    typeSupplyLine(*form, QStringLiteral("7"), QStringLiteral("2"));
    cn.execute(QStringLiteral("rename table os_custos to os_custos_fora"));
    form->Command2_Click();
    cn.execute(QStringLiteral("rename table os_custos_fora to os_custos"));
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(form->txtQt->text(), QStringLiteral("2"));
    EXPECT_EQ(form->txtDsSRV->text(), QStringLiteral("TINTA ACRÍLICA"));
    EXPECT_TRUE(form->Frame1->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    dialogs.clear();
    form->Command2_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(count(QStringLiteral("os_custos")), 1);
}

TEST(CostKeys, KeyIsCutAt45AndStampPutsTheMomentFirst) {
    const QDateTime moment(QDate(2024, 5, 2), QTime(9, 8, 7));
    EXPECT_EQ(chaveCusto(15, moment, QStringLiteral("ANA")), QStringLiteral("15_240502090807_ANA"));
    const QString longUser = QStringLiteral("U").repeated(40);
    const QString key = chaveCusto(15, moment, longUser);
    EXPECT_EQ(key.size(), 45);
    EXPECT_EQ(key, QStringLiteral("15_240502090807_") + longUser.left(29));
    // Blanks left at the cut are stripped.
    EXPECT_EQ(chaveCusto(15, moment, QStringLiteral("U").repeated(28) + QStringLiteral(" X")),
              QStringLiteral("15_240502090807_") + QStringLiteral("U").repeated(28));
    EXPECT_EQ(osStamp(moment, QStringLiteral("ANA")), QStringLiteral("02/05/2024 09:08:07 ANA"));
}

TEST(CostKeys, CategoryCodeIsTheNumberAfterTheLastBar) {
    EXPECT_EQ(codigoCategoria(QStringLiteral("PINTURA | 3")), 3);
    EXPECT_EQ(codigoCategoria(QStringLiteral("A|B | 12")), 12);
    EXPECT_FALSE(codigoCategoria(QStringLiteral("PINTURA")));
    EXPECT_FALSE(codigoCategoria(QStringLiteral("PINTURA | X")));
    EXPECT_FALSE(codigoCategoria(QString()));
}

class SameSecond : public supplytest::SupplyTest {};

TEST_F(SameSecond, TwoLinesInOneSecondAreBothKept) {
    const QDateTime first(QDate(2024, 5, 2), QTime(9, 8, 7));
    int calls = 0;
    // The clock stands still for the first two readings, then moves on.
    const db::Relogio clock = [&] { return calls++ < 2 ? first : first.addSecs(1); };
    for (int i = 0; i < 2; ++i) {
        db::insereComChaveDoMomento(
            cn,
            [&](const QDateTime& moment) {
                return Statement{QStringLiteral("insert into os_custos (idlan, osnr, evcad) values "
                                                "(?, ?, ?)"),
                                 {chaveCusto(15, moment, QStringLiteral("ANA")), qint64(15),
                                  osStamp(moment, QStringLiteral("ANA"))}};
            },
            clock);
    }
    EXPECT_EQ(value(QStringLiteral("select group_concat(idlan order by idlan) from os_custos")),
              QStringLiteral("15_240502090807_ANA,15_240502090808_ANA"));
    EXPECT_EQ(value(QStringLiteral("select evcad from os_custos where idlan like '%08_ANA'")),
              QStringLiteral("02/05/2024 09:08:08 ANA"));
}
