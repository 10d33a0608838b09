#include "finance/frmBuscaCentroCusto.h"
#include "finance/frmBuscaSubCentroCusto.h"
#include "finance/frmCadCentroCusto.h"
#include "finance/frmCadSubCentro.h"
#include "platform/data_grid.h"
#include "tests/finance/finance_test_support.h"
#include "tests/support/modal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using fintest::columnTexts;

namespace {

// The two lists, each with its register, picker and permission item.
struct Lista {
    const char* table;
    const char* key;
    const char* name;
    const char* menuItem;
    const char* caption;
    std::function<std::unique_ptr<CodeNameRegister>()> makeRegister;
    std::function<std::unique_ptr<BuscaCentro>()> makePicker;
};

const std::vector<Lista>& listas() {
    static const std::vector<Lista> all = {
        {"centrocusto", "cdcen", "nmcen", "fincadcentro", "Centro de Custos - Cadastro",
         [] { return std::make_unique<frmCadCentroCusto>(); },
         [] { return std::make_unique<frmBuscaCentroCusto>(); }},
        {"subcentrocusto", "cdscen", "nmscen", "finscentro", "SubCentro de Custos - Cadastro",
         [] { return std::make_unique<frmCadSubCentro>(); },
         [] { return std::make_unique<frmBuscaSubCentroCusto>(); }},
    };
    return all;
}

} // namespace

class Centros : public fintest::FinanceTest {
protected:
    void add(const Lista& l, const QString& name) {
        cn.execute(QStringLiteral("insert into %1 (%2) values (?)")
                       .arg(QLatin1String(l.table), QLatin1String(l.name)),
                   {name});
    }
    QStringList names(const Lista& l) {
        return rows(QStringLiteral("select %1 from %2 order by %3")
                        .arg(QLatin1String(l.name), QLatin1String(l.table), QLatin1String(l.key)));
    }
};

TEST_F(Centros, RegisterInsertsLoadsAndUpdates) {
    for (const Lista& l : listas()) {
        SCOPED_TRACE(l.table);
        SetUp();
        auto form = l.makeRegister();
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(l.caption));
        form->show();
        QApplication::setActiveWindow(form.get());
        form->txtnome->setFocus();
        // Typed letters become capitals; outer blanks are kept.
        QTest::keyClicks(form->txtnome, QStringLiteral(" obras "));
        form->cmdsalva_Click();
        add(l, QStringLiteral("ADMINISTRATIVO"));
        EXPECT_EQ(names(l),
                  (QStringList{QStringLiteral(" OBRAS "), QStringLiteral("ADMINISTRATIVO")}));
        EXPECT_TRUE(form->txtnome->text().isEmpty());
        EXPECT_TRUE(form->txtnome->hasFocus());

        form->txtcodcli->setText(QStringLiteral("1"));
        form->txtcodcli_LostFocus();
        EXPECT_EQ(form->txtnome->text(), QStringLiteral(" OBRAS "));
        EXPECT_TRUE(form->Command1->isEnabled());
        form->Command1_Click();
        EXPECT_TRUE(dialogs.sawText(QStringLiteral("Ainda não disponivel!")));
        form->txtnome->setText(QStringLiteral("D'OBRAS"));
        form->cmdsalva_Click();
        EXPECT_EQ(names(l),
                  (QStringList{QStringLiteral("D'OBRAS"), QStringLiteral("ADMINISTRATIVO")}));
        // The list is read in name order after the save.
        EXPECT_EQ(columnTexts(form->DataGrid1->model(), 1),
                  (QStringList{QStringLiteral("ADMINISTRATIVO"), QStringLiteral("D'OBRAS")}));
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Ainda não disponivel!")});
    }
}

TEST_F(Centros, RegisterRefusesBlankNamesAndUnknownCodes) {
    for (const Lista& l : listas()) {
        SCOPED_TRACE(l.table);
        SetUp();
        auto form = l.makeRegister();
        form->txtnome->setText(QStringLiteral("   "));
        form->cmdsalva_Click();
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- ERRO --- NOME NÃO INFORMADO!")});
        EXPECT_EQ(form->txtnome->text(), QStringLiteral("   "));
        // An empty table: any code is not found, and the form is cleared.
        dialogs.clear();
        form->txtcodcli->setText(QStringLiteral("3"));
        form->txtcodcli_LostFocus();
        EXPECT_EQ(dialogs.texts(),
                  QStringList{QStringLiteral("--- ERRO --- CÓDIGO NÃO ENCONTRADO!")});
        EXPECT_TRUE(form->txtnome->text().isEmpty());
        // Letters in the code box clear without a word.
        dialogs.clear();
        form->txtnome->setText(QStringLiteral("X"));
        form->txtcodcli->setText(QStringLiteral("AB"));
        form->txtcodcli_LostFocus();
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_TRUE(form->txtnome->text().isEmpty());
        EXPECT_EQ(count(QString::fromLatin1(l.table)), 0);
    }
}

TEST_F(Centros, RowChosenInTheListLoadsThatRow) {
    for (const Lista& l : listas()) {
        SCOPED_TRACE(l.table);
        SetUp();
        add(l, QStringLiteral("ZETA"));
        add(l, QStringLiteral("ALFA"));
        auto form = l.makeRegister();
        form->show();
        QApplication::setActiveWindow(form.get());
        // The window opens in the code box, so a code typed at once loads.
        ASSERT_EQ(QApplication::focusWidget(), form->txtcodcli);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(form->txtnome->text(), QStringLiteral("ZETA"));
        form->DataGrid1->setFocus();
        form->DataGrid1->setCurrentIndex(form->DataGrid1->model()->index(0, 0));
        QTest::keyClick(form->DataGrid1, Qt::Key_Return);
        EXPECT_EQ(form->txtcodcli->text(), QStringLiteral("2"));
        QTest::keyClick(form->txtcodcli, Qt::Key_Return);
        EXPECT_EQ(form->txtnome->text(), QStringLiteral("ALFA"));
    }
}

TEST_F(Centros, EscClosesTheSharedConnection) {
    for (const Lista& l : listas()) {
        SCOPED_TRACE(l.table);
        SetUp();
        auto form = l.makeRegister();
        form->show();
        QApplication::setActiveWindow(form.get());
        shared::abreConexao();
        QTest::keyClick(form->txtnome, Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(shared::gCn().isOpen());
    }
}

TEST_F(Centros, PickerSearchesHandsBackAndEscEmpties) {
    for (const Lista& l : listas()) {
        SCOPED_TRACE(l.table);
        SetUp();
        add(l, QStringLiteral("MANUTENCAO"));
        add(l, QStringLiteral("OBRAS"));
        add(l, QStringLiteral("ADM OBRAS"));
        auto picker = l.makePicker();
        picker->show();
        QApplication::setActiveWindow(picker.get());
        picker->DataGrid1->setFocus();
        dialogs.answerInput(QStringLiteral("OBRA"));
        QTest::keyClick(picker->DataGrid1, Qt::Key_F2);
        EXPECT_EQ(columnTexts(picker->DataGrid1->model(), 0),
                  (QStringList{QStringLiteral("ADM OBRAS"), QStringLiteral("OBRAS")}));
        picker->DataGrid1->setCurrentIndex(picker->DataGrid1->model()->index(1, 0));
        QTest::keyClick(picker->DataGrid1, Qt::Key_F10);
        EXPECT_FALSE(picker->isVisible());
        EXPECT_EQ(shared::gCodigoPesquisa, QStringLiteral("2"));
        EXPECT_EQ(shared::gNomePesquisa, QStringLiteral("OBRAS"));

        // A confirmed empty search lists every row; Esc afterwards hands back nothing.
        picker = l.makePicker();
        picker->show();
        QApplication::setActiveWindow(picker.get());
        dialogs.answerInput(QString());
        picker->Command1_Click();
        EXPECT_EQ(picker->DataGrid1->model()->rowCount(), 3);
        QTest::keyClick(picker->DataGrid1, Qt::Key_Escape);
        EXPECT_TRUE(shared::gCodigoPesquisa.isEmpty());
        EXPECT_TRUE(shared::gNomePesquisa.isEmpty());
    }
}

TEST_F(Centros, PickerNewOpensTheRegisterOnlyWhenAllowed) {
    for (const Lista& l : listas()) {
        SCOPED_TRACE(l.table);
        SetUp();
        auto picker = l.makePicker();
        // No profile row: blocked.
        picker->Command6_Click();
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("--- Perfil não autorizado!")});
        EXPECT_EQ(shared::gResultado.toString(), QStringLiteral("1"));

        cn.execute(QStringLiteral("insert into perfilusuario (nmusuario, campo, valor) values "
                                  "('CAIXA', ?, '0')"),
                   {QString::fromLatin1(l.menuItem).leftJustified(20)});
        dialogs.clear();
        testsupport::whenModal<CodeNameRegister>([](CodeNameRegister* form) {
            form->txtnome->setText(QStringLiteral("NOVO"));
            form->cmdsalva_Click();
            form->close();
        });
        picker->Command6_Click();
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(columnTexts(picker->DataGrid1->model(), 0), QStringList{QStringLiteral("NOVO")});
    }
}
