#include "platform/data_grid.h"
#include "platform/dates.h"
#include "service_orders/compra_rules.h"
#include "service_orders/frmInsumos_Compra.h"
#include "service_orders/frmInsumos_Destino.h"
#include "tests/service_orders/supply_test_support.h"
#include "tests/support/modal.h"
#include "tests/support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using regtest::columnTexts;

class Purchase : public supplytest::SupplyTest {
protected:
    void SetUp() override {
        SupplyTest::SetUp();
        supplier = addSupplier(QStringLiteral("DEPÓSITO CENTRAL"));
        addSupply(QStringLiteral("P1"), QStringLiteral("TINTA"), QStringLiteral("GL"),
                  QStringLiteral("10"));
        addSupply(QStringLiteral("P2"), QStringLiteral("LIXA"), QStringLiteral("UN"),
                  QStringLiteral("30"));
        addSupply(QStringLiteral("P3"), QStringLiteral("BRINDE"), QStringLiteral("UN"),
                  QStringLiteral("0"));
    }
    std::unique_ptr<frmInsumos_Compra> open() {
        auto form = std::make_unique<frmInsumos_Compra>();
        showActive(form.get());
        return form;
    }
    // Types into a box and leaves it with Enter, as the user does.
    static void enter(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void enterPurchase(frmInsumos_Compra& form, const char* serie = "1",
                       const char* nfiscal = "123") {
        enter(form.txtCdFor, QString::number(supplier));
        form.txtSerie->setText(QString::fromLatin1(serie));
        form.txtNFiscal->setText(QString::fromLatin1(nfiscal));
        enter(form.txtModelo, QStringLiteral("55"));
        form.txtDTe->setText(QStringLiteral("02/05/2024"));
        form.txtDTc->setText(QStringLiteral("03/05/2024"));
    }
    void addItem(frmInsumos_Compra& form, const QString& code, const QString& qt,
                 const QString& vr = QString()) {
        enter(form.txtCdPro, code);
        if (!vr.isNull())
            form.txtVR->setText(vr);
        form.txtQtde->setText(qt);
        form.Command1_Click();
    }
    QString totals(const char* q, const char* f, const char* g, const char* t) {
        return QStringLiteral("Qtde TL: %1 Tl Frete: R$ %2 Tl Insumos: R$ %3 Tl Final: R$ %4")
            .arg(QLatin1String(q), QLatin1String(f), QLatin1String(g), QLatin1String(t));
    }
    qint64 supplier = 0;
};

TEST_F(Purchase, ItemsAreAddedToTheInvoiceTyped) {
    auto form = open();
    EXPECT_EQ(form->lST->text(), totals("0", "0,00", "0,00", "0,00"));
    enterPurchase(*form, "001");
    EXPECT_EQ(form->txtNmFor->text(), QStringLiteral("DEPÓSITO CENTRAL"));
    EXPECT_TRUE(dialogs.shown().empty());
    enter(form->txtCdPro, QStringLiteral("P1"));
    EXPECT_EQ(form->txtDsPro->text(), QStringLiteral("TINTA"));
    EXPECT_EQ(form->txtUN->text(), QStringLiteral("GL"));
    EXPECT_EQ(form->txtVR->text(), QStringLiteral("10,00"));
    EXPECT_TRUE(form->txtVR->hasFocus());
    // The price typed takes the place of the cost offered.
    testsupport::type(form->txtVR, QStringLiteral("120"));
    QTest::keyClick(form->txtVR, Qt::Key_Return);
    ASSERT_TRUE(form->txtQtde->hasFocus());
    testsupport::type(form->txtQtde, QStringLiteral("2.5"));
    form->Command1_Click();
    EXPECT_TRUE(dialogs.shown().empty());

    const db::Recordset r = cn.query(QStringLiteral("select * from insumos_cmp"));
    ASSERT_EQ(r.rowCount(), 1);
    const QString key = r.text(QStringLiteral("idlan"));
    EXPECT_EQ(key.size(), 12 + 3 + 3 + QString::number(supplier).size() + 2);
    EXPECT_TRUE(key.endsWith(QStringLiteral("001123") + QString::number(supplier) + "55"));
    EXPECT_EQ(key.left(6), QDate::currentDate().toString(QStringLiteral("yyMMdd")));
    EXPECT_EQ(r.text(QStringLiteral("serie")), QStringLiteral("001"));
    EXPECT_EQ(r.date(QStringLiteral("dte")), QDate(2024, 5, 2));
    EXPECT_EQ(r.date(QStringLiteral("dtc")), QDate(2024, 5, 3));
    EXPECT_EQ(r.text(QStringLiteral("vfinal")), QStringLiteral("120.0000"));
    EXPECT_EQ(r.decimal(QStringLiteral("qtde")), Decimal::parse(QStringLiteral("2,5")));
    EXPECT_TRUE(r.decimal(QStringLiteral("vfrete")).isZero());
    EXPECT_EQ(r.text(QStringLiteral("status")), QStringLiteral("N"));
    EXPECT_TRUE(r.text(QStringLiteral("evcad"))
                    .startsWith(QStringLiteral("TESTE ") + dates::toBr(QDate::currentDate())));

    // The invoice stays for the next item; the item boxes are emptied.
    EXPECT_EQ(form->txtSerie->text(), QStringLiteral("001"));
    EXPECT_EQ(form->txtDTe->text(), QStringLiteral("02/05/2024"));
    EXPECT_TRUE(form->txtCdPro->text().isEmpty());
    EXPECT_TRUE(form->txtDsPro->text().isEmpty());
    EXPECT_TRUE(form->txtCdPro->hasFocus());
    EXPECT_EQ(form->lST->text(), totals("2,5", "0,00", "300,00", "300,00"));
    const QAbstractItemModel* list = form->DataGrid1->model();
    EXPECT_EQ(columnTexts(list, 1), QStringList{QStringLiteral("TINTA")});
    EXPECT_EQ(columnTexts(list, 4), QStringList{QStringLiteral("120,00")});

    // A second item right away, most likely within the same second, is kept too.
    addItem(*form, QStringLiteral("P2"), QStringLiteral("1"));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 2);
    EXPECT_EQ(form->lST->text(), totals("3,5", "0,00", "330,00", "330,00"));

    // The invoice typed again later, as it was stored, lists its items.
    auto again = open();
    enterPurchase(*again, "001");
    EXPECT_EQ(again->DataGrid1->model()->rowCount(), 2);
    EXPECT_EQ(again->txtDTe->text(), QStringLiteral("02/05/2024"));
}

// The invoice parts are the text stored: "123" and "000123" are two
// invoices, for the list, the allocation and the closing alike.
TEST_F(Purchase, InvoiceKeyIsTheTextTyped) {
    auto form = open();
    enterPurchase(*form, "1", "123");
    addItem(*form, QStringLiteral("P1"), QStringLiteral("1"));
    auto other = open();
    enterPurchase(*other, "1", "000123");
    EXPECT_EQ(other->DataGrid1->model()->rowCount(), 0);
    addItem(*other, QStringLiteral("P2"), QStringLiteral("1"));
    EXPECT_EQ(columnTexts(other->DataGrid1->model(), 1), QStringList{QStringLiteral("LIXA")});
    const auto padded = *chaveCompra(QString::number(supplier), QStringLiteral("1"),
                                     QStringLiteral("000123"), QStringLiteral("55"));
    EXPECT_EQ(encerraCompra(cn, padded, chavesDosItens(cn.query(itensCompra(padded)))),
              Encerramento::Encerrada);
    EXPECT_EQ(rows(QStringLiteral("select nfiscal, status from insumos_cmp order by nfiscal")),
              (QStringList{QStringLiteral("000123|S"), QStringLiteral("123|N")}));
    EXPECT_EQ(situacaoCompra(cn, *chaveCompra(QString::number(supplier), QStringLiteral("1"),
                                              QStringLiteral("123"), QStringLiteral("55"))),
              SituacaoCompra::Aberta);
}

// "Encerrar Compra" with no item: nothing to hand out, nothing to close.
TEST_F(Purchase, AnEmptyPurchaseCannotBeClosed) {
    auto form = open();
    enterPurchase(*form);
    bool allocationShown = false;
    testsupport::whenModal<frmInsumos_Destino>(
        [&](frmInsumos_Destino* allocation) {
            allocationShown = true;
            allocation->close();
        },
        500);
    form->Command8_Click();
    QTest::qWait(50);
    EXPECT_FALSE(allocationShown);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("--- ERRO --- DADOS INVÁLIDO!"));
    EXPECT_TRUE(form->isVisible());
}

// Another station closes the purchase while this window asks: the freight
// and the deletion change nothing, and the window closes as for any closed
// purchase.
TEST_F(Purchase, APurchaseClosedMeanwhileTakesNoChange) {
    struct Case {
        const char* what;
        std::function<void(frmInsumos_Compra&)> act;
    };
    const Case cases[] = {
        {"freight",
         [this](frmInsumos_Compra& f) {
             dialogs.answerInput(QStringLiteral("8"));
             f.Command5_Click();
         }},
        {"item deletion",
         [](frmInsumos_Compra& f) {
             f.DataGrid1->setCurrentIndex(f.DataGrid1->model()->index(0, 0));
             f.DataGrid1_DblClick();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cn.execute(QStringLiteral("delete from insumos_cmp"));
        auto form = open();
        enterPurchase(*form);
        addItem(*form, QStringLiteral("P1"), QStringLiteral("2"));
        const QString items =
            QStringLiteral("select idlan, cdpro, vfinal, vfrete, qtde, qtdest from insumos_cmp");
        const QStringList before = rows(items);
        dialogs.clear();
        dialogs.onMessage([this](const dlg::Message& m) {
            if (m.buttons == dlg::Buttons::YesNo)
                cn.execute(QStringLiteral("update insumos_cmp set status = 'S'"));
        });
        dialogs.answer(dlg::Answer::Yes);
        c.act(*form);
        dialogs.onMessage({});
        EXPECT_EQ(dialogs.messages().back().text,
                  QStringLiteral("--- ERRO --- COMPRA JÁ ENCERRADA!"));
        EXPECT_EQ(dialogs.messages().back().title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(rows(items), before);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_F(Purchase, ItemsAreCheckedInOrder) {
    struct Case {
        const char* what;
        std::function<void(frmInsumos_Compra&)> change;
        const char* message;
        dlg::Icon icon;
        const char* box = nullptr; // where the focus goes after the refusal
    };
    const char* incomplete = "--- ERRO --- DADOS INCOMPLEMTOS!";
    const std::vector<Case> cases = {
        {"no supplier name", [](auto& f) { f.txtNmFor->clear(); }, incomplete,
         dlg::Icon::Exclamation},
        {"series with letters", [](auto& f) { f.txtSerie->setText(QStringLiteral("A1")); },
         incomplete, dlg::Icon::Exclamation},
        {"no such date", [](auto& f) { f.txtDTc->setText(QStringLiteral("31/02/2024")); },
         incomplete, dlg::Icon::Exclamation},
        {"no supply", [](auto& f) { f.txtDsPro->clear(); }, incomplete, dlg::Icon::Exclamation},
        {"value not a number", [](auto& f) { f.txtVR->setText(QStringLiteral("X")); }, incomplete,
         dlg::Icon::Exclamation},
        {"negative value", [](auto& f) { f.txtVR->setText(QStringLiteral("-1")); },
         "--- ERRO --- VALOR UNITÁRIO FINAL NÃO PODE SER MENOR QUE ZERO!", dlg::Icon::Critical,
         "txtVR"},
        {"zero quantity", [](auto& f) { f.txtQtde->setText(QStringLiteral("0")); },
         "--- ERRO --- QUANTIDADE NÃO PODE SER MENOR E/OU IGUAL A ZERO!", dlg::Icon::Critical,
         "txtQtde"},
        {"arrival before issue", [](auto& f) { f.txtDTc->setText(QStringLiteral("01/05/2024")); },
         "--- ERRO --- DATA DE EMISSÃO SUPERIOR A DATA DE CHEGADA!", dlg::Icon::Information,
         "txtDTc"},
        {"value beyond its column",
         [](auto& f) { f.txtVR->setText(QStringLiteral("999999999999999")); }, incomplete,
         dlg::Icon::Exclamation},
        {"quantity beyond its column",
         [](auto& f) { f.txtQtde->setText(QStringLiteral("999999999999999")); }, incomplete,
         dlg::Icon::Exclamation},
        {"item worth more than an amount keeps",
         [](auto& f) {
             f.txtVR->setText(QStringLiteral("10.000.000.000"));
             f.txtQtde->setText(QStringLiteral("1.000.000.000"));
         },
         "--- ERRO --- VALOR FORA DO LIMITE!", dlg::Icon::Exclamation},
    };
    auto form = open();
    enterPurchase(*form);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        enterPurchase(*form);
        enter(form->txtCdPro, QStringLiteral("P1"));
        form->txtQtde->setText(QStringLiteral("1"));
        dialogs.clear();
        c.change(*form);
        form->Command1_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages()[0].icon, c.icon);
        if (c.box != nullptr) {
            EXPECT_EQ(form->focusWidget()->objectName(), QString::fromLatin1(c.box));
        }
    }
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 0);
    // Issue and arrival on the same day, and a zero value, are accepted.
    dialogs.clear();
    form->txtDTc->setText(QStringLiteral("02/05/2024"));
    addItem(*form, QStringLiteral("P1"), QStringLiteral("1"), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 1);
}

TEST_F(Purchase, TotalsBeyondTheAmountsAreRefusedAndNeverWrap) {
    auto form = open();
    enterPurchase(*form);
    const QString outOfRange = QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!");
    // Typed as the user types them: the item is refused before it is written.
    enter(form->txtCdPro, QStringLiteral("P1"));
    form->txtVR->clear();
    form->txtVR->setFocus();
    testsupport::type(form->txtVR, QStringLiteral("10.000.000.000"));
    form->txtQtde->setFocus();
    testsupport::type(form->txtQtde, QStringLiteral("1.000.000.000"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(), QStringList{outOfRange});
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 0);
    EXPECT_TRUE(form->isVisible());
    // Items that fit one by one, but not together.
    dialogs.clear();
    addItem(*form, QStringLiteral("P1"), QStringLiteral("1"), QStringLiteral("9.000.000.000.000"));
    EXPECT_TRUE(dialogs.texts().isEmpty());
    addItem(*form, QStringLiteral("P2"), QStringLiteral("1"), QStringLiteral("1.000.000.000.000"));
    EXPECT_EQ(dialogs.texts(), QStringList{outOfRange});
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 1);
    EXPECT_EQ(form->lST->text(),
              totals("1", "0,00", "9.000.000.000.000,00", "9.000.000.000.000,00"));
    // A freight that would take the purchase beyond is refused too.
    dialogs.clear();
    dialogs.answerInput(QStringLiteral("1.000.000.000.000"));
    dialogs.answer(dlg::Answer::Yes);
    form->Command5_Click();
    EXPECT_EQ(dialogs.texts().last(), outOfRange);
    EXPECT_EQ(value(QStringLiteral("select sum(vfrete) from insumos_cmp")),
              QStringLiteral("0.0000"));
    // A freight within the purchase's range whose share of a tiny quantity
    // of a dear item would not fit a unit value (it would wrap to 44,8384).
    dialogs.clear();
    enterPurchase(*form, "1", "998");
    addItem(*form, QStringLiteral("P1"), QStringLiteral("0,0001"), QStringLiteral("1.000.000.000"));
    EXPECT_EQ(value(QStringLiteral("select qtde from insumos_cmp where nfiscal = '998'")),
              QStringLiteral("0.0001"));
    EXPECT_EQ(dialogs.texts(), QStringList());
    dialogs.answerInput(QStringLiteral("184.467.440.737,10"));
    dialogs.answer(dlg::Answer::Yes);
    form->Command5_Click();
    EXPECT_EQ(dialogs.texts().last(), outOfRange);
    EXPECT_EQ(value(QStringLiteral("select sum(vfrete) from insumos_cmp")),
              QStringLiteral("0.0000"));

    // A purchase stored before, holding an item worth more than the decimal
    // holds, opens with an error instead of ending the program.
    cn.execute(QStringLiteral("insert into insumos_cmp (idlan, cdfor, serie, nfiscal, modelo, dte, "
                              "dtc, cdpro, vfinal, qtde) values ('antigo', ?, '1', '999', '55', "
                              "'2024-05-02', '2024-05-03', 'P1', 10000000000, 1000000000)"),
               {supplier});
    dialogs.clear();
    enterPurchase(*form, "1", "999");
    EXPECT_EQ(dialogs.texts(), QStringList{outOfRange});
    EXPECT_TRUE(form->lST->text().isEmpty());
    EXPECT_EQ(form->DataGrid1->model()->rowCount(), 1);
    dialogs.clear();
    dialogs.answerInput(QStringLiteral("10"));
    dialogs.answer(dlg::Answer::Yes);
    form->Command5_Click();
    EXPECT_EQ(dialogs.texts().last(), outOfRange);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Purchase, InvoiceKeyWithLettersIsRefusedWhenEntered) {
    auto form = open();
    enter(form->txtCdFor, QString::number(supplier));
    form->txtSerie->setText(QStringLiteral("1"));
    form->txtNFiscal->setText(QStringLiteral("12A"));
    enter(form->txtModelo, QStringLiteral("55"));
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- DADOS INVÁLIDO!")));
    // A supplier code that names no supplier leaves the name empty: refused too.
    dialogs.clear();
    enter(form->txtCdFor, QStringLiteral("99"));
    EXPECT_TRUE(form->txtNmFor->text().isEmpty());
    form->txtNFiscal->setText(QStringLiteral("12"));
    enter(form->txtModelo, QStringLiteral("55"));
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- DADOS INVÁLIDO!")));
}

// Scripted answers that also keep the default text each input box offered.
class ScriptWithDefaults : public testsupport::ScriptedDialogs {
public:
    std::optional<QString> input(const dlg::Input& request) override {
        defaults << request.defaultText;
        return ScriptedDialogs::input(request);
    }
    QStringList defaults;
};

TEST_F(Purchase, FreightIsSpreadByUnitValue) {
    ScriptWithDefaults dialogs;
    auto form = open();
    enterPurchase(*form);
    addItem(*form, QStringLiteral("P1"), QStringLiteral("1"));
    addItem(*form, QStringLiteral("P2"), QStringLiteral("1"));
    addItem(*form, QStringLiteral("P3"), QStringLiteral("3"));
    // Not a number asks again; the first answer offers the present freight.
    dialogs.answerInput(QStringLiteral("oito"));
    dialogs.answerInput(QStringLiteral("R$ 8,00"));
    dialogs.answer(dlg::Answer::Yes);
    form->Command5_Click();
    ASSERT_GE(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Valor do Frete:"));
    EXPECT_EQ(dialogs.shown()[0].arguments, QStringList{QStringLiteral("Rateio do frete")});
    EXPECT_EQ(dialogs.defaults.value(0), QStringLiteral("R$ 0,00"));
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("Confirma o rateio de frete no valor de: 8,00 ?"));
    EXPECT_EQ(value(QStringLiteral("select group_concat(vfrete order by vfinal) from "
                                   "insumos_cmp")),
              QStringLiteral("0.0000,2.0000,6.0000"));
    EXPECT_EQ(form->lST->text(), totals("5", "8,00", "40,00", "48,00"));

    // Spreading again replaces the freight; cancelling, a refusal or a
    // negative amount change nothing.
    dialogs.clear();
    dialogs.answerInput(QStringLiteral("4"));
    dialogs.answer(dlg::Answer::Yes);
    form->Command5_Click();
    EXPECT_EQ(dialogs.defaults.value(2), QStringLiteral("R$ 8,00"));
    EXPECT_EQ(form->lST->text(), totals("5", "4,00", "40,00", "44,00"));
    dialogs.clear();
    dialogs.answerInput(std::nullopt);
    form->Command5_Click();
    dialogs.answerInput(QStringLiteral("10"));
    dialogs.answer(dlg::Answer::No);
    form->Command5_Click();
    dialogs.answerInput(QStringLiteral("-1"));
    form->Command5_Click();
    EXPECT_TRUE(dialogs.sawText(
        QStringLiteral("--- ERRO --- VALOR DO FRETE NÃO PODE SER MENOR QUE ZERO!")));
    EXPECT_EQ(form->lST->text(), totals("5", "4,00", "40,00", "44,00"));
}

// Each total is its exact sum rounded once, the final one even where the
// two beside it add up a cent less; the freight offered is its total.
TEST_F(Purchase, TotalsAreExactSumsRoundedOnce) {
    ScriptWithDefaults dialogs;
    auto form = open();
    enterPurchase(*form);
    addItem(*form, QStringLiteral("P1"), QStringLiteral("1,5"), QStringLiteral("6,6633"));
    cn.execute(QStringLiteral("update insumos_cmp set vfrete = 0.0033"));
    form->AtualizaCompra();
    EXPECT_EQ(form->lST->text(), totals("1,5", "0,00", "9,99", "10,00"));
    dialogs.answerInput(std::nullopt);
    form->Command5_Click();
    EXPECT_EQ(dialogs.defaults, QStringList{QStringLiteral("R$ 0,00")});
}

TEST_F(Purchase, FreightRoundsEachUnitToFourPlaces) {
    auto form = open();
    enterPurchase(*form);
    addItem(*form, QStringLiteral("P1"), QStringLiteral("1"), QStringLiteral("1"));
    addItem(*form, QStringLiteral("P1"), QStringLiteral("1"), QStringLiteral("2"));
    dialogs.answerInput(QStringLiteral("10"));
    dialogs.answer(dlg::Answer::Yes);
    form->Command5_Click();
    EXPECT_EQ(value(QStringLiteral("select group_concat(vfrete order by vfinal) from "
                                   "insumos_cmp")),
              QStringLiteral("3.3333,6.6667"));
}

TEST_F(Purchase, FreightOverNothingWorthIsRefused) {
    auto form = open();
    enterPurchase(*form);
    addItem(*form, QStringLiteral("P3"), QStringLiteral("2"));
    dialogs.clear();
    dialogs.answerInput(QStringLiteral("5"));
    dialogs.answer(dlg::Answer::Yes);
    form->Command5_Click();
    EXPECT_TRUE(
        dialogs.sawText(QStringLiteral("--- ERRO --- COMPRA SEM VALOR DE INSUMOS PARA O RATEIO!")));
    EXPECT_EQ(value(QStringLiteral("select vfrete from insumos_cmp")), QStringLiteral("0.0000"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Purchase, AnAllocatedItemCannotBeDeleted) {
    auto form = open();
    enterPurchase(*form);
    addItem(*form, QStringLiteral("P1"), QStringLiteral("2"));
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 0.5"));
    form->AtualizaCompra();
    dialogs.clear();
    form->DataGrid1->setCurrentIndex(form->DataGrid1->model()->index(0, 0));
    form->DataGrid1_DblClick();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              QStringLiteral("--- ERRO --- ITEM FOI DESTINADO, PODE SER ESTORNADO!"));
    EXPECT_EQ(dialogs.messages()[0].icon, dlg::Icon::Critical);
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 1);

    // Allocated by someone else after the list was read: still kept.
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 0"));
    form->AtualizaCompra();
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 1"));
    dialogs.clear();
    dialogs.answer(dlg::Answer::Yes);
    form->DataGrid1_DblClick();
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 1);
    EXPECT_TRUE(
        dialogs.sawText(QStringLiteral("--- ERRO --- ITEM FOI DESTINADO, PODE SER ESTORNADO!")));

    // Once reversed it goes, after the question.
    cn.execute(QStringLiteral("update insumos_cmp set qtdest = 0"));
    form->AtualizaCompra();
    dialogs.clear();
    dialogs.answer(dlg::Answer::No);
    form->DataGrid1_DblClick();
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 1);
    dialogs.answer(dlg::Answer::Yes);
    form->DataGrid1_DblClick();
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Estorna o item selecionado?"));
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 0);
    EXPECT_EQ(form->lST->text(), totals("0", "0,00", "0,00", "0,00"));
}

TEST_F(Purchase, AClosedPurchaseClosesTheWindow) {
    {
        auto form = open();
        enterPurchase(*form);
        addItem(*form, QStringLiteral("P1"), QStringLiteral("1"));
    }
    cn.execute(QStringLiteral("update insumos_cmp set status = 'S'"));
    auto form = open();
    dialogs.clear();
    enterPurchase(*form);
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("COMPRA JÁ ENCERRADA!")));
    EXPECT_FALSE(form->isVisible());

    // An item goes to the invoice the boxes name, even when another was
    // listed; a closed one takes none.
    auto other = open();
    enterPurchase(*other, "2");
    addItem(*other, QStringLiteral("P2"), QStringLiteral("1"));
    other->txtSerie->setText(QStringLiteral("3"));
    addItem(*other, QStringLiteral("P3"), QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("select serie from insumos_cmp where cdpro = 'P3'")),
              QStringLiteral("3"));
    EXPECT_EQ(columnTexts(other->DataGrid1->model(), 1), QStringList{QStringLiteral("BRINDE")});
    dialogs.clear();
    other->txtSerie->setText(QStringLiteral("1"));
    enter(other->txtCdPro, QStringLiteral("P1"));
    other->txtQtde->setText(QStringLiteral("1"));
    other->Command1_Click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("COMPRA JÁ ENCERRADA!")));
    EXPECT_EQ(count(QStringLiteral("insumos_cmp")), 3);
}

TEST_F(Purchase, OtherButtonsAndEsc) {
    auto form = open();
    form->Command4_Click();
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Função ainda não disponivel!"));
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Atenção"));
    // Closing needs a whole purchase key.
    dialogs.clear();
    form->Command8_Click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- DADOS INVÁLIDO!")));
    shared::abreConexao();
    form->txtCdPro->setFocus();
    QTest::keyClick(form->txtCdPro, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(shared::gCn().isOpen());
}

TEST(PurchaseKey, OnlyWholeNumbersAndDigits) {
    EXPECT_TRUE(chaveCompra(QStringLiteral("5"), QStringLiteral("001"), QStringLiteral("9"),
                            QStringLiteral("55")));
    for (const auto& parts : std::vector<std::array<const char*, 4>>{{"5.5", "1", "1", "1"},
                                                                     {"5", "", "1", "1"},
                                                                     {"5", "1", "1,5", "1"},
                                                                     {"5", "1", "1", "-1"},
                                                                     {"X", "1", "1", "1"}})
        EXPECT_FALSE(chaveCompra(QString::fromLatin1(parts[0]), QString::fromLatin1(parts[1]),
                                 QString::fromLatin1(parts[2]), QString::fromLatin1(parts[3])))
            << parts[0] << "/" << parts[1] << "/" << parts[2] << "/" << parts[3];
}
