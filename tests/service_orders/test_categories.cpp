#include "platform/data_grid.h"
#include "service_orders/frmOS_CadCategoria.h"
#include "service_orders/supply_windows.h"
#include "shell/window_registry.h"
#include "tests/service_orders/supply_test_support.h"
#include "tests/support/typing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using regtest::columnTexts;

class Categories : public supplytest::SupplyTest {};

TEST_F(Categories, NewCategoryTakesTheNextCodeAndIsListedByName) {
    addCategory(QStringLiteral("PINTURA"));
    frmOS_CadCategoria form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Cadastro de Categorias"));
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

TEST_F(Categories, TabOrderPutsLimpaBeforeExcluir) {
    addCategory(QStringLiteral("PINTURA"));
    frmOS_CadCategoria form;
    showActive(&form);
    // Typed at once, the code goes into the code box.
    ASSERT_EQ(QApplication::focusWidget(), form.txtcodcli);
    testsupport::type(QApplication::focusWidget(), QStringLiteral("1"));
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
