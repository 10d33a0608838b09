#include "platform/data_grid.h"
#include "service_orders/frmOS_CadCategoria.h"
#include "service_orders/supply_windows.h"
#include "shell/window_registry.h"
#include "tests/service_orders/supply_test_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using regtest::columnTexts;

class Categories : public supplytest::SupplyTest {};

TEST_F(Categories, NewCategoryTakesTheNextCodeAndIsListedByName) {
    addCategory(QStringLiteral("PINTURA"));
    frmOS_CadCategoria form;
    form.txtnome->setText(QStringLiteral(" ELÉTRICA "));
    form.cmdsalva_Click();
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from categorias where cdgrupo = 2")),
              QStringLiteral(" ELÉTRICA "));
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 0),
              (QStringList{QStringLiteral(" ELÉTRICA "), QStringLiteral("PINTURA")}));
    EXPECT_EQ(columnTexts(form.DataGrid1->model(), 1),
              (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_TRUE(form.txtnome->text().isEmpty());
    EXPECT_TRUE(form.txtcodcli->text().isEmpty());

    // A loaded code updates that row only.
    form.txtcodcli->setText(QStringLiteral("1"));
    form.txtcodcli_LostFocus();
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("PINTURA"));
    EXPECT_TRUE(form.Command1->isEnabled());
    form.txtnome->setText(QStringLiteral("PINTURA E ACABAMENTO"));
    form.cmdsalva_Click();
    EXPECT_EQ(value(QStringLiteral("select dsgrupo from categorias where cdgrupo = 1")),
              QStringLiteral("PINTURA E ACABAMENTO"));
    EXPECT_EQ(count(QStringLiteral("categorias")), 2);
    EXPECT_EQ(count(QStringLiteral("grupoestoque")), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Categories, CodesThatFindNothingClearTheScreen) {
    addCategory(QStringLiteral("PINTURA"));
    frmOS_CadCategoria form;
    struct Case {
        const char* typed;
        bool message;
    };
    for (const Case& c : {Case{"7", true}, Case{"A1", false}}) {
        SCOPED_TRACE(c.typed);
        dialogs.clear();
        form.txtnome->setText(QStringLiteral("HIDRÁULICA"));
        form.txtcodcli->setText(QString::fromLatin1(c.typed));
        form.txtcodcli_LostFocus();
        EXPECT_EQ(dialogs.sawText(QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!")),
                  c.message);
        EXPECT_TRUE(form.txtnome->text().isEmpty());
        EXPECT_TRUE(form.txtcodcli->text().isEmpty());
    }
    // The cleared screen inserts.
    form.txtnome->setText(QStringLiteral("HIDRÁULICA"));
    form.cmdsalva_Click();
    EXPECT_EQ(count(QStringLiteral("categorias")), 2);
}

TEST_F(Categories, BlankNameIsRefusedAndExcluirOnlyTells) {
    frmOS_CadCategoria form;
    form.txtnome->setText(QStringLiteral("    "));
    form.cmdsalva_Click();
    form.Command1_Click();
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, QStringLiteral("--- ERRO --- NOME NÃO INFORMADO!"));
    EXPECT_EQ(shown[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(shown[1].text, QStringLiteral("Ainda não disponivel!"));
    EXPECT_EQ(shown[1].title, QStringLiteral("Atenção"));
    EXPECT_EQ(count(QStringLiteral("categorias")), 0);
}

TEST_F(Categories, TabOrderPutsLimpaBeforeExcluir) {
    addCategory(QStringLiteral("PINTURA"));
    frmOS_CadCategoria form;
    showActive(&form);
    form.txtcodcli->setFocus();
    regtest::typeText(form.txtcodcli, QStringLiteral("1"));
    QTest::keyClick(form.txtcodcli, Qt::Key_Return);
    EXPECT_TRUE(form.txtnome->hasFocus());
    EXPECT_EQ(form.txtnome->text(), QStringLiteral("PINTURA"));
    QTest::keyClick(form.txtnome, Qt::Key_Tab);
    EXPECT_TRUE(form.cmdsalva->hasFocus());
    QTest::keyClick(form.cmdsalva, Qt::Key_Tab);
    EXPECT_TRUE(form.cmdretorna->hasFocus());
    QTest::keyClick(form.cmdretorna, Qt::Key_Tab);
    EXPECT_TRUE(form.Command1->hasFocus());
}

TEST(SupplyWindows, EveryWindowOpensByItsFormName) {
    registerSupplyWindows();
    for (const char* name : {"frmOS_CadCategoria", "frmBuscaOS", "frmOS_Custos",
                             "frmInsumos_Compra", "frmInsumos_Destino"})
        EXPECT_TRUE(windows::has(QString::fromLatin1(name))) << name;
}
