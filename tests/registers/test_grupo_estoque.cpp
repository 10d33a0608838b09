#include "platform/data_grid.h"
#include "registers/frmCadGrupoEstoque.h"
#include "tests/registers/register_test_support.h"
#include "tests/support/typing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using regtest::columnTexts;

class GrupoEstoque : public regtest::RegisterTest {
protected:
    void addGroup(const QString& name) {
        cn.execute(QStringLiteral("insert into grupoestoque (dsgrupo) values (?)"), {name});
    }
};

TEST_F(GrupoEstoque, InsertThenUpdateByCode) {
    frmCadGrupoEstoque form;
    form.txtnome->setText(QStringLiteral("TINTAS"));
    form.cmdsalva_Click();
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from grupoestoque where cdgrupo = 1")),
              QStringLiteral("TINTAS"));
    EXPECT_TRUE(form.txtnome->text().isEmpty());
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 0), QStringList{QStringLiteral("TINTAS")});

    addGroup(QStringLiteral("ABRASIVOS"));
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("TINTAS"));
    EXPECT_TRUE(form.Command1->isEnabled());
    form.txtnome->setText(QStringLiteral("TINTAS E VERNIZES"));
    form.cmdsalva_Click();
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from grupoestoque where cdgrupo = 1")),
              QStringLiteral("TINTAS E VERNIZES"));
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from grupoestoque where cdgrupo = 2")),
              QStringLiteral("ABRASIVOS"));
    EXPECT_EQ(count(QStringLiteral("grupoestoque")), 2);
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(GrupoEstoque, CodesThatFindNothing) {
    addGroup(QStringLiteral("TINTAS"));
    frmCadGrupoEstoque form;
    struct Case {
        const char* typed;
        bool message;
    };
    for (const Case& c : {Case{"9", true}, Case{"2.5", true}, Case{"1,5", true}, Case{"ABC", false},
                          Case{"", false}}) {
        SCOPED_TRACE(c.typed);
        dialogs.clear();
        form.txtnome->setText(QStringLiteral("X"));
        form.txtcodcli->setText(QString::fromUtf8(c.typed));
        form.txtcodcli_LostFocus();
        EXPECT_EQ(dialogs.sawText(QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!")),
                  c.message);
        EXPECT_TRUE(form.txtnome->text().isEmpty());
        EXPECT_TRUE(form.txtcodcli->text().isEmpty());
        EXPECT_FALSE(form.Command1->isEnabled());
    }
    // A code with blanks around it is still the code.
    form.txtcodcli->setText(QStringLiteral(" 1 "));
    form.txtcodcli_LostFocus();
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("TINTAS"));
}

TEST_F(GrupoEstoque, SaveRefusesWhatWouldLoseAnEdit) {
    addGroup(QStringLiteral("TINTAS"));
    frmCadGrupoEstoque form;
    testsupport::activate(&form);
    // Blank name: refused, with the focus in the name.
    form.txtnome->setText(QStringLiteral("   "));
    QTest::mouseClick(form.cmdsalva, Qt::LeftButton);
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- NOME NÃO INFORMADO!")));
    EXPECT_EQ(form.focusWidget(), form.txtnome);
    // A code that is no whole number updates nothing and inserts nothing.
    dialogs.clear();
    form.txtcodcli->setText(QStringLiteral("1.5"));
    form.txtnome->setText(QStringLiteral("OUTRO"));
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!")));
    EXPECT_EQ(form.focusWidget(), form.txtcodcli);
    // A row deleted meanwhile: the update is reported, nothing is inserted
    // again, the boxes are kept.
    dialogs.clear();
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    cn.execute(QStringLiteral("delete from grupoestoque"));
    form.txtnome->setText(QStringLiteral("MUDADO"));
    form.cmdsalva_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kGoneElsewhere});
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("MUDADO"));
    EXPECT_EQ(count(QStringLiteral("grupoestoque")), 0);
    // Saving the values loaded unchanged is no conflict.
    addGroup(QStringLiteral("TINTAS"));
    dialogs.clear();
    form.txtcodcli->setText(QStringLiteral("2"));
    form.txtcodcli_LostFocus();
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
}

// Two stations on one group, a table without a stamp: each save writes only
// over the name as that window loaded it.
TEST_F(GrupoEstoque, TwoStationsSaveOnlyOverWhatTheyLoaded) {
    addGroup(QStringLiteral("TINTAS"));
    frmCadGrupoEstoque a;
    frmCadGrupoEstoque b;
    testsupport::retypeAndEnter(a.txtcodcli, QStringLiteral("1"));
    testsupport::retypeAndEnter(b.txtcodcli, QStringLiteral("1"));
    ASSERT_EQ(b.txtnome->text(), QStringLiteral("TINTAS"));
    testsupport::activate(&a);
    testsupport::retype(a.txtnome, QStringLiteral("TINTAS A"));
    testsupport::click(a.cmdsalva);

    testsupport::activate(&b);
    testsupport::retype(b.txtnome, QStringLiteral("TINTAS B"));
    testsupport::click(b.cmdsalva);
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kChangedElsewhere});
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from grupoestoque")),
              QStringLiteral("TINTAS A"));
    EXPECT_EQ(b.txtcodcli->text(), QStringLiteral("1"));
    EXPECT_EQ(b.txtnome->text(), QStringLiteral("TINTAS A"));
    EXPECT_EQ(columnTexts(b.DataGrid1->model(), 0), QStringList{QStringLiteral("TINTAS A")});

    testsupport::retype(b.txtnome, QStringLiteral("TINTAS B"));
    dialogs.clear();
    testsupport::click(b.cmdsalva);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(rows(QStringLiteral("select dsgrupo from grupoestoque")),
              QStringList{QStringLiteral("TINTAS B")});
}

TEST_F(GrupoEstoque, TextsAreStoredExactlyAsTyped) {
    frmCadGrupoEstoque form;
    for (const QString& name :
         {QStringLiteral("D'AGUA \\ CIA"), QStringLiteral(" BORDAS "), QStringLiteral("100%_X")}) {
        form.txtnome->setText(name);
        form.cmdsalva_Click();
    }
    const db::Recordset r =
        cn.query(QStringLiteral("select dsgrupo from grupoestoque order by cdgrupo"));
    ASSERT_EQ(r.rowCount(), 3);
    EXPECT_EQ(r.textAt(0, 0), QStringLiteral("D'AGUA \\ CIA"));
    EXPECT_EQ(r.textAt(1, 0), QStringLiteral(" BORDAS "));
    EXPECT_EQ(r.textAt(2, 0), QStringLiteral("100%_X"));
}

TEST_F(GrupoEstoque, TypingGivesCapitalsAndEnterMovesOn) {
    addGroup(QStringLiteral("TINTAS"));
    frmCadGrupoEstoque form;
    form.show();
    QApplication::setActiveWindow(&form);
    // The window opens in the code box: a code typed at once and Enter load
    // the row, as leaving the box does.
    ASSERT_EQ(QApplication::focusWidget(), form.txtcodcli);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(form.txtnome->hasFocus());
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("TINTAS"));
    form.txtnome->clear();
    testsupport::type(form.txtnome, QStringLiteral("ação"));
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("AÇÃO"));
}

TEST_F(GrupoEstoque, RowSelectedPutsItsCodeInTheCodeBox) {
    addGroup(QStringLiteral("B"));
    addGroup(QStringLiteral("A"));
    frmCadGrupoEstoque form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.DataGrid1->setFocus();
    form.DataGrid1->setCurrentIndex(form.DataGrid1->model()->index(1, 0));
    QTest::keyClick(form.DataGrid1, Qt::Key_Return);
    EXPECT_EQ(form.txtcodcli->text(), QStringLiteral("1"));
    EXPECT_TRUE(form.txtcodcli->hasFocus());
    EXPECT_TRUE(form.txtnome->text().isEmpty());
}

TEST_F(GrupoEstoque, ExcluirOnlyTellsItIsNotAvailable) {
    addGroup(QStringLiteral("TINTAS"));
    frmCadGrupoEstoque form;
    EXPECT_FALSE(form.Command1->isEnabled());
    form.Command1_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Ainda não disponivel!"));
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Atenção"));
    EXPECT_EQ(count(QStringLiteral("grupoestoque")), 1);
}

TEST_F(GrupoEstoque, DatabaseFailuresLeaveTheWindowUsable) {
    addGroup(QStringLiteral("TINTAS"));
    frmCadGrupoEstoque form;
    cn.execute(QStringLiteral("rename table grupoestoque to grupo_fora"));
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtnome->setText(QStringLiteral("NOVO"));
    form.txtcodcli_LostFocus();
    form.cmdsalva_Click();
    cn.execute(QStringLiteral("rename table grupo_fora to grupoestoque"));
    const QStringList texts = dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    for (const QString& text : texts)
        EXPECT_TRUE(text.startsWith(QStringLiteral("--- ERRO --- "))) << text.toStdString();
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("NOVO"));
    EXPECT_EQ(form.txtcodcli->text(), QStringLiteral("1"));
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 0), QStringList{QStringLiteral("TINTAS")});
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from grupoestoque")), QStringLiteral("TINTAS"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Once the server answers again, the row the failed lookup never showed
    // is not written over: it is shown first, and the next save goes through.
    dialogs.clear();
    form.cmdsalva_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{regtest::kChangedElsewhere});
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("TINTAS"));
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from grupoestoque")), QStringLiteral("TINTAS"));
    form.txtnome->setText(QStringLiteral("NOVO"));
    dialogs.clear();
    form.cmdsalva_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from grupoestoque")), QStringLiteral("NOVO"));
}

TEST_F(GrupoEstoque, EscClosesListAndSharedConnection) {
    frmCadGrupoEstoque form;
    form.show();
    QApplication::setActiveWindow(&form);
    shared::abreConexao();
    form.txtnome->setFocus();
    QTest::keyClick(form.txtnome, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(shared::gCn().isOpen());
    EXPECT_EQ(form.DataGrid1->model()->rowCount(), 0);
}
