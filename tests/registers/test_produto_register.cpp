#include "platform/data_grid.h"
#include "registers/frmCadProduto.h"
#include "registers/insumo_rules.h"
#include "tests/registers/register_test_support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using regtest::columnTexts;

class Produto : public regtest::RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        cn.execute(QStringLiteral("insert into grupoestoque (dsgrupo) values ('TINTAS')"));
    }
    void fill(frmCadProduto& f, const QString& code) {
        f.txtCdPro->setText(code);
        f.txtCdPro_LostFocus();
        f.txtDsPro->setText(QStringLiteral("TINTA BRANCA"));
        f.txtUN->setText(QStringLiteral("GL"));
        f.txtCdGrupo->setText(QStringLiteral("1"));
        f.txtFator->setText(QStringLiteral("12,5"));
        f.txtDtUA->setText(QStringLiteral("2"));
        f.txtmemo->setPlainText(QStringLiteral("  USO INTERNO  "));
    }
    QString column(const char* name, const QString& code = QStringLiteral("TB-01")) {
        return value(
            QStringLiteral("select %1 from produtos where cdpro = ?").arg(QLatin1String(name)),
            {code});
    }
};

TEST_F(Produto, NewCodeThenSaveThenResave) {
    frmCadProduto form;
    form.txtDsPro->setText(QStringLiteral("SOBRA"));
    form.txtCdPro->setText(QStringLiteral("TB-01"));
    form.txtCdPro_LostFocus();
    EXPECT_TRUE(form.txtDsPro->text().isEmpty());
    EXPECT_EQ(form.txtDtUC->text(), QStringLiteral("SR"));
    EXPECT_EQ(form.txtCdPro->text(), QStringLiteral("TB-01"));
    EXPECT_TRUE(dialogs.shown().empty());

    fill(form, QStringLiteral("TB-01"));
    EXPECT_EQ(form.txtDsGrupo->text(), QStringLiteral("TINTAS"));
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(column("dspro"), QStringLiteral("TINTA BRANCA"));
    EXPECT_EQ(column("vcusto"), QStringLiteral("12.5000"));
    EXPECT_EQ(column("qmin"), QStringLiteral("2.0000"));
    EXPECT_EQ(column("cdgrupo"), QStringLiteral("1"));
    EXPECT_EQ(column("dtucmp"), QStringLiteral("SR"));
    EXPECT_EQ(column("obs"), QStringLiteral("USO INTERNO"));
    const QRegularExpression stamp(
        QStringLiteral("^TESTE \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$"));
    EXPECT_TRUE(stamp.match(column("evcad")).hasMatch());
    EXPECT_TRUE(form.txtCdPro->text().isEmpty());

    cn.execute(QStringLiteral("update produtos set evcad = 'X', ultev = 'X'"));
    form.txtCdPro->setText(QStringLiteral("TB-01"));
    form.txtCdPro_LostFocus();
    EXPECT_EQ(form.txtFator->text(), QStringLiteral("12,50"));
    EXPECT_EQ(form.txtDtUA->text(), QStringLiteral("2"));
    EXPECT_EQ(form.txtQtde->text(), QStringLiteral("***"));
    EXPECT_EQ(form.txtDsGrupo->text(), QStringLiteral("TINTAS"));
    form.txtDsPro->setText(QStringLiteral("TINTA GELO"));
    form.cmdsalva_Click();
    EXPECT_EQ(column("dspro"), QStringLiteral("TINTA GELO"));
    EXPECT_EQ(column("evcad"), QStringLiteral("X"));
    EXPECT_TRUE(stamp.match(column("ultev")).hasMatch());
    EXPECT_EQ(count(QStringLiteral("produtos")), 1);
    EXPECT_TRUE(form.txtQtde->text().isEmpty());
}

TEST_F(Produto, ChecksInOrderWithTheirBoxes) {
    struct Case {
        const char* what;
        std::function<void(frmCadProduto&)> spoil;
        const char* text;
        const char* title;
        dlg::Icon icon;
    };
    const char* incomplete = "--- ERRO --- DADOS INCOMPLETOS!";
    const std::vector<Case> cases = {
        {"no description", [](frmCadProduto& f) { f.txtDsPro->setText(QStringLiteral("  ")); },
         incomplete, "ATENÇÃO", dlg::Icon::Information},
        {"no unit", [](frmCadProduto& f) { f.txtUN->clear(); }, incomplete, "ATENÇÃO",
         dlg::Icon::Information},
        {"unknown group", [](frmCadProduto& f) { f.txtCdGrupo->setText(QStringLiteral("9")); },
         incomplete, "ATENÇÃO", dlg::Icon::Information},
        {"cost not a number",
         [](frmCadProduto& f) { f.txtFator->setText(QStringLiteral("1,2,3")); }, incomplete,
         "ATENÇÃO", dlg::Icon::Information},
        {"no minimum", [](frmCadProduto& f) { f.txtDtUA->clear(); }, incomplete, "ATENÇÃO",
         dlg::Icon::Information},
        {"negative cost", [](frmCadProduto& f) { f.txtFator->setText(QStringLiteral("-0,01")); },
         "--- ERRO --- VALOR DO CUSTO NÃO PODE SER MENOR QUE ZERO!", "Atenção",
         dlg::Icon::Information},
        {"negative minimum", [](frmCadProduto& f) { f.txtDtUA->setText(QStringLiteral("-1")); },
         "--- ERRO --- ESTOQUE MINIMO NÃO PODE SER MENOR QUE ZERO!", "Atenção",
         dlg::Icon::Exclamation},
        {"no code", [](frmCadProduto& f) { f.txtCdPro->setText(QStringLiteral("   ")); },
         "--- ERRO --- INFORME O CÓDIGO DO PRODUTO!", "ATENÇÃO", dlg::Icon::Information},
    };
    frmCadProduto form;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        fill(form, QStringLiteral("TB-01"));
        c.spoil(form);
        form.cmdsalva_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(dialogs.messages()[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(dialogs.messages()[0].icon, c.icon);
        EXPECT_EQ(count(QStringLiteral("produtos")), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    // Zero is a minimum like any other.
    dialogs.clear();
    fill(form, QStringLiteral("TB-01"));
    form.txtDtUA->setText(QStringLiteral("0"));
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(count(QStringLiteral("produtos")), 1);
}

TEST_F(Produto, NumberFormats) {
    struct Case {
        const char* typed;
        const char* shown;
        const char* stored;
    };
    frmCadProduto form;
    for (const Case& c : {Case{"12,5", "12,50", "12.5000"}, Case{"12,34567", "12,3457", "12.3457"},
                          Case{"1.234,5", "1234,50", "1234.5000"}, Case{"12.5", "12,50", "12.5000"},
                          Case{"R$ 3", "3,00", "3.0000"}, Case{"0,001", "0,001", "0.0010"}}) {
        SCOPED_TRACE(c.typed);
        fill(form, QStringLiteral("TB-01"));
        form.txtFator->setText(QString::fromUtf8(c.typed));
        form.txtFator_LostFocus();
        EXPECT_EQ(form.txtFator->text(), QString::fromUtf8(c.shown));
        form.txtFator->setText(QString::fromUtf8(c.typed));
        form.cmdsalva_Click();
        EXPECT_EQ(column("vcusto"), QString::fromUtf8(c.stored));
    }
    form.txtFator->setText(QStringLiteral("abc"));
    form.txtFator_LostFocus();
    EXPECT_EQ(form.txtFator->text(), QStringLiteral("abc"));
    EXPECT_EQ(formataQuantidade(Decimal::parse(QStringLiteral("2,50")).value()),
              QStringLiteral("2,5"));
}

TEST_F(Produto, NumbersBeyondTheColumnsAreRefusedAndTheWindowStays) {
    frmCadProduto form;
    form.show();
    QApplication::setActiveWindow(&form);
    struct Case {
        QLineEdit* box;
        const char* typed;
    };
    for (const Case& c : {Case{form.txtFator, "999999999999999"}, Case{form.txtFator, "-R$ -5"},
                          Case{form.txtFator, "+-5"}, Case{form.txtDtUA, "- -5"}}) {
        SCOPED_TRACE(c.typed);
        fill(form, QStringLiteral("TB-01"));
        dialogs.clear();
        c.box->clear();
        c.box->setFocus();
        testsupport::type(c.box, QString::fromUtf8(c.typed));
        // Leaving the box keeps what no number can be made of.
        QTest::keyClick(c.box, Qt::Key_Return);
        EXPECT_NE(QApplication::focusWidget(), c.box);
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.typed));
        QTest::mouseClick(form.cmdsalva, Qt::LeftButton);
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- DADOS INCOMPLETOS!")});
        EXPECT_EQ(count(QStringLiteral("produtos")), 0);
        EXPECT_TRUE(form.isVisible());
    }
    // Fourteen whole digits are what the column keeps.
    fill(form, QStringLiteral("TB-01"));
    form.txtFator->setText(QStringLiteral("99999999999999,99"));
    QTest::mouseClick(form.cmdsalva, Qt::LeftButton);
    EXPECT_EQ(column("vcusto"), QStringLiteral("99999999999999.9900"));
}

// A code the window did not load is a new supply: stored already, it is
// refused as a duplicate, the typed values kept, and never written over.
TEST_F(Produto, ACodeNotLoadedIsNeverDuplicatedNorOverwritten) {
    const QString duplicado = QStringLiteral("--- ERRO --- REGISTRO JÁ CADASTRADO!");
    cn.execute(QStringLiteral("insert into produtos (cdpro, dspro, un, cdgrupo, vcusto) values "
                              "('TB-01', 'ORIGINAL', 'UN', 1, 7)"));
    frmCadProduto form;
    dialogs.answerInput(QStringLiteral("NADA"));
    form.Command3_Click();
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 0);
    fill(form, QStringLiteral("TB-01"));
    form.cmdsalva_Click();
    EXPECT_EQ(dialogs.texts().last(), duplicado);
    EXPECT_EQ(count(QStringLiteral("produtos")), 1);
    EXPECT_EQ(column("dspro"), QStringLiteral("ORIGINAL"));
    EXPECT_EQ(form.txtDsPro->text(), QStringLiteral("TINTA BRANCA"));
    // Created at another station after the code box was left: the same.
    dialogs.answerInput(QString());
    form.Command3_Click();
    fill(form, QStringLiteral("TB-02"));
    cn.execute(QStringLiteral("insert into produtos (cdpro, dspro, un, cdgrupo, vcusto) values "
                              "('tb-02', 'DA OUTRA', 'UN', 1, 7)"));
    dialogs.clear();
    form.cmdsalva_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{duplicado});
    EXPECT_EQ(column("dspro", QStringLiteral("TB-02")), QStringLiteral("DA OUTRA"));
    EXPECT_EQ(form.txtCdPro->text(), QStringLiteral("TB-02"));
    EXPECT_EQ(form.txtDsPro->text(), QStringLiteral("TINTA BRANCA"));
    EXPECT_EQ(form.txtFator->text(), QStringLiteral("12,5"));
    // Loaded, it is the supply stored, and a save goes over it.
    form.txtCdPro_LostFocus();
    EXPECT_EQ(form.txtDsPro->text(), QStringLiteral("DA OUTRA"));
    form.txtDsPro->setText(QStringLiteral("TINTA BRANCA"));
    dialogs.clear();
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(column("dspro", QStringLiteral("TB-02")), QStringLiteral("TINTA BRANCA"));
}

// Two stations on one supply, logged in under one name: each save writes
// only over the row as that window loaded it.
TEST_F(Produto, TwoStationsSaveOnlyOverWhatTheyLoaded) {
    const QString stamp = QStringLiteral("TESTE 01/01/2024 10:00:00");
    cn.execute(QStringLiteral("insert into produtos (cdpro, dspro, un, cdgrupo, vcusto, qmin, "
                              "ultev) values ('TB-01', 'ORIGINAL', 'UN', 1, 7, 1, ?)"),
               {stamp});
    frmCadProduto a;
    frmCadProduto b;
    testsupport::retypeAndEnter(a.txtCdPro, QStringLiteral("TB-01"));
    testsupport::retypeAndEnter(b.txtCdPro, QStringLiteral("TB-01"));
    ASSERT_EQ(b.txtDsPro->text(), QStringLiteral("ORIGINAL"));
    testsupport::activate(&a);
    testsupport::retype(a.txtFator, QStringLiteral("9,5"));
    testsupport::click(a.cmdsalva);
    // Saved in the second B loaded in: the stamp is the very one B holds.
    cn.execute(QStringLiteral("update produtos set ultev = ?"), {stamp});

    testsupport::activate(&b);
    testsupport::retype(b.txtDsPro, QStringLiteral("TINTA GELO"));
    testsupport::click(b.cmdsalva);
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kChangedElsewhere});
    EXPECT_EQ(rows(QStringLiteral("select dspro, vcusto from produtos")),
              QStringList{QStringLiteral("ORIGINAL|9.5000")});
    EXPECT_EQ(b.txtCdPro->text(), QStringLiteral("TB-01"));
    EXPECT_EQ(b.txtFator->text(), QStringLiteral("9,50"));
    EXPECT_EQ(b.txtDsPro->text(), QStringLiteral("ORIGINAL"));

    testsupport::retype(b.txtDsPro, QStringLiteral("TINTA GELO"));
    dialogs.clear();
    testsupport::click(b.cmdsalva);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(rows(QStringLiteral("select dspro, vcusto from produtos")),
              QStringList{QStringLiteral("TINTA GELO|9.5000")});

    // Deleted by the other station: nothing is written, nor inserted again.
    testsupport::retypeAndEnter(a.txtCdPro, QStringLiteral("TB-01"));
    cn.execute(QStringLiteral("delete from produtos"));
    testsupport::retype(a.txtDsPro, QStringLiteral("TINTA AZUL"));
    testsupport::click(a.cmdsalva);
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kGoneElsewhere});
    EXPECT_EQ(count(QStringLiteral("produtos")), 0);
    EXPECT_EQ(a.txtDsPro->text(), QStringLiteral("TINTA AZUL"));
}

TEST_F(Produto, GroupLookupFollowsEveryChange) {
    frmCadProduto form;
    struct Case {
        const char* typed;
        const char* name;
    };
    for (const Case& c : {Case{"1", "TINTAS"}, Case{"1,7", "TINTAS"}, Case{"2", ""}, Case{"A", ""},
                          Case{"", ""}, Case{"-0,5", ""}}) {
        form.txtCdGrupo->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(form.txtDsGrupo->text(), QString::fromUtf8(c.name)) << c.typed;
    }
}

TEST_F(Produto, GroupPickerFillsTheGroupBox) {
    frmCadProduto form;
    form.show();
    QTimer::singleShot(0, [] {
        QWidget* picker = QApplication::activeModalWidget();
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->objectName(), QStringLiteral("frmBuscaGrupo"));
        QTest::keyClick(picker, Qt::Key_F10);
    });
    form.Command2_Click();
    EXPECT_EQ(form.txtCdGrupo->text(), QStringLiteral("1"));
    EXPECT_EQ(form.txtDsGrupo->text(), QStringLiteral("TINTAS"));
    EXPECT_EQ(form.focusWidget(), form.txtCdGrupo);
    // A cancelled picker leaves the box as it was.
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    form.Command2_Click();
    EXPECT_EQ(form.txtCdGrupo->text(), QStringLiteral("1"));
}

TEST_F(Produto, EnterGoesFromTheGroupToTheCostAndF2StaysThePicker) {
    cn.execute(QStringLiteral("insert into grupoestoque (dsgrupo) values ('ABRASIVOS')"));
    frmCadProduto form;
    form.show();
    QApplication::setActiveWindow(&form);
    auto typed = [](const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    ASSERT_EQ(QApplication::focusWidget(), form.txtCdPro);
    typed(QStringLiteral("LX-120"));
    typed(QStringLiteral("LIXA 120"));
    typed(QStringLiteral("FL"));
    typed(QStringLiteral("1"));
    EXPECT_EQ(QApplication::focusWidget(), form.txtFator);
    typed(QStringLiteral("3,5"));
    EXPECT_EQ(QApplication::focusWidget(), form.txtDtUA);
    EXPECT_EQ(form.txtDsGrupo->text(), QStringLiteral("TINTAS"));
    // The picker's button is no stop of Tab either; F2 opens the picker.
    form.txtCdGrupo->setFocus();
    QTest::keyClick(form.txtCdGrupo, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.txtFator);
    QTimer::singleShot(0, [] {
        QWidget* picker = QApplication::activeModalWidget();
        ASSERT_NE(picker, nullptr);
        QTest::keyClick(picker, Qt::Key_F10);
    });
    QTest::keyClick(form.txtFator, Qt::Key_F2);
    // The picker lists by name: its first row is the other group.
    EXPECT_EQ(form.txtCdGrupo->text(), QStringLiteral("2"));
    EXPECT_EQ(form.focusWidget(), form.txtCdGrupo);
}

TEST_F(Produto, LimpaEmptiesTheStockMarkAndTheCode) {
    cn.execute(QStringLiteral("insert into produtos (cdpro, dspro, un, cdgrupo) values ('A1', "
                              "'LIXA', 'FL', 1)"));
    frmCadProduto form;
    form.txtCdPro->setText(QStringLiteral("a1"));
    form.txtCdPro_LostFocus();
    EXPECT_EQ(form.txtDsPro->text(), QStringLiteral("LIXA"));
    form.cmdretorna_Click();
    EXPECT_TRUE(form.txtQtde->text().isEmpty());
    EXPECT_TRUE(form.txtCdPro->text().isEmpty());
    EXPECT_EQ(form.txtDtUC->text(), QStringLiteral("SR"));
}
