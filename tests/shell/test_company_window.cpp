#include "platform/db/connection.h"
#include "shell/company.h"
#include "shell/frmcademp.h"
#include "shell/frmprincipal.h"
#include "shell/shared_state.h"
#include "tests/shell/window_database_test.h"
#include "tests/support/typing.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class CompanyWindow : public WindowDatabaseTest {
protected:
    // Every row, the columns named joined by "|".
    QStringList rows(const QString& columns = QStringLiteral(
                         "cpf, rg, nmemp, nmfant, rua, bairro, cep, cidade, uf, fone, email")) {
        db::Recordset r =
            check.query(QStringLiteral("select concat_ws('|', %1) from empresa").arg(columns));
        QStringList out;
        for (qsizetype row = 0; row < r.rowCount(); ++row)
            out << r.textAt(row, 0);
        return out;
    }
    static void fill(frmcademp& form) {
        form.txtrazao->setText(QStringLiteral("OFICINA D'ÁGUA LTDA"));
        form.txtnmf->setText(QStringLiteral("D'ÁGUA"));
        form.txtcgc->setText(QStringLiteral("11444777000161"));
        form.txtIE->setText(QStringLiteral("ISENTO"));
        form.txtFone->setText(QString());
        form.txtRua->setText(QStringLiteral("RUA UM, 10"));
        form.txtBairro->setText(QStringLiteral("CENTRO"));
        form.txtCep->setText(QStringLiteral("01001000"));
        form.txtCidade->setText(QStringLiteral("SÃO PAULO"));
        form.txtUF->setText(QStringLiteral("SP"));
        form.txtforo->setText(QStringLiteral("A@B.COM"));
    }
};

} // namespace

TEST(CompanyRules, PostalCodeFormat) {
    const std::vector<std::pair<QString, QString>> table = {
        {QStringLiteral("1001000"), QStringLiteral("01001000")},
        {QStringLiteral("01001000"), QStringLiteral("01001000")},
        {QStringLiteral("0"), QStringLiteral("00000000")},
        {QStringLiteral(" 123 "), QStringLiteral("00000123")},
        {QStringLiteral("01001-00"), QStringLiteral("01001-00")},
        {QStringLiteral("12A"), QStringLiteral("12A")},
        {QString(), QString()},
    };
    for (const auto& [typed, shown] : table)
        EXPECT_EQ(company::formatCep(typed), shown) << typed.toStdString();
}

TEST_F(CompanyWindow, FirstEntryInsertsTheRowAsTyped) {
    shared::gCodigoPesquisa = QStringLiteral("123");
    frmcademp form;
    EXPECT_EQ(shared::gCodigoPesquisa, QStringLiteral("N"));
    EXPECT_TRUE(form.txtrazao->text().isEmpty());
    form.show();
    form.activateWindow();
    QApplication::processEvents();

    fill(form);
    // Typed capitals, and the leave rules through real focus moves.
    form.txtRua->clear();
    form.txtRua->setFocus();
    QTest::keyClicks(form.txtRua, QStringLiteral("rua um, 10"));
    form.txtCep->setFocus();
    form.txtCep->setText(QStringLiteral("1001000"));
    form.txtCidade->setFocus();
    EXPECT_EQ(form.txtCep->text(), QStringLiteral("01001000"));
    form.txtcgc->setFocus();
    form.txtIE->setFocus();
    EXPECT_EQ(form.txtcgc->text(), QStringLiteral("11444777000161"));

    form.cmdok->click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(rows(), QStringList{QStringLiteral("11444777000161|ISENTO|OFICINA D'ÁGUA LTDA|"
                                                 "D'ÁGUA|RUA UM, 10|CENTRO|01001000|SÃO PAULO|SP||"
                                                 "A@B.COM")});
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(shared::gCn().isOpen());
}

TEST_F(CompanyWindow, LaterChangeRewritesEveryRow) {
    const QString insert = QStringLiteral("insert into empresa (cpf, nmemp) values (?, ?)");
    check.execute(insert, {QStringLiteral("11144477735"), QStringLiteral("PRIMEIRA")});
    check.execute(insert, {QStringLiteral("11144477735"), QStringLiteral("SEGUNDA")});
    // Opening with the shared connection already open reuses it.
    shared::abreConexao();
    frmcademp form;
    EXPECT_EQ(shared::gCodigoPesquisa, QStringLiteral("S"));
    EXPECT_EQ(form.txtrazao->text(), QStringLiteral("SEGUNDA"));
    EXPECT_EQ(form.txtcgc->text(), QStringLiteral("11144477735"));

    fill(form);
    form.txtcgc->setText(QStringLiteral("111.444.777-35"));
    form.txtnmf->setText(QStringLiteral("NOVA"));
    form.txtFone->setText(QStringLiteral("(11) 4444-2222"));
    frmPrincipal main;
    main.setWindowTitle(QStringLiteral("SEGUNDA - "));
    form.cmdok_Click();
    // The main window names the company as saved, at once.
    EXPECT_EQ(main.windowTitle(), QStringLiteral("OFICINA D'ÁGUA LTDA - (11) 4444-2222"));
    const QStringList after = rows();
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after.at(0), after.at(1));
    EXPECT_TRUE(
        after.at(0).startsWith(QStringLiteral("111.444.777-35|ISENTO|OFICINA D'ÁGUA LTDA|NOVA|")));
}

TEST_F(CompanyWindow, RowDeletedElsewhereBeforeTheSaveIsReported) {
    check.execute(QStringLiteral("insert into empresa (cpf, nmemp) values ('11144477735', 'A')"));
    frmcademp form;
    ASSERT_EQ(shared::gCodigoPesquisa, QStringLiteral("S"));
    check.execute(QStringLiteral("delete from empresa"));
    fill(form);
    form.cmdok_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().at(0).text,
              QStringLiteral("--- ERRO --- EMPRESA NÃO ENCONTRADA! CONSULTE NOVAMENTE."));
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(form.txtrazao->text(), QStringLiteral("OFICINA D'ÁGUA LTDA"));
}

// Two stations on the company: a save writes only over the table as that
// window read it, empty or not.
TEST_F(CompanyWindow, TwoStationsSaveOnlyOverWhatTheyLoaded) {
    const QString changed =
        QStringLiteral("--- ERRO --- EMPRESA ALTERADA EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.");
    const auto stored = [this] { return rows(QStringLiteral("nmfant, fone")); };
    {
        // Both open on an empty table: the second save adds no second company.
        frmcademp a;
        frmcademp b;
        fill(a);
        testsupport::click(a.cmdok);
        EXPECT_FALSE(a.isVisible());
        fill(b);
        testsupport::activate(&b);
        testsupport::retype(b.txtnmf, QStringLiteral("OUTRA"));
        testsupport::click(b.cmdok);
        EXPECT_EQ(dialogs.texts(), QStringList{changed});
        EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(stored(), QStringList{QStringLiteral("D'ÁGUA|")});
        EXPECT_TRUE(b.isVisible());
        EXPECT_EQ(b.txtnmf->text(), QStringLiteral("D'ÁGUA"));
        EXPECT_EQ(shared::gCodigoPesquisa, QStringLiteral("S"));
        testsupport::retype(b.txtnmf, QStringLiteral("OUTRA"));
        dialogs.clear();
        testsupport::click(b.cmdok);
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_FALSE(b.isVisible());
        EXPECT_EQ(stored(), QStringList{QStringLiteral("OUTRA|")});
    }
    // Both open on the stored company; A changes the phones, B the trade name.
    frmcademp a;
    frmcademp b;
    testsupport::activate(&a);
    testsupport::retype(a.txtFone, QStringLiteral("1133334444"));
    testsupport::click(a.cmdok);
    testsupport::activate(&b);
    testsupport::retype(b.txtnmf, QStringLiteral("TERCEIRA"));
    testsupport::click(b.cmdok);
    EXPECT_EQ(dialogs.texts(), QStringList{changed});
    EXPECT_EQ(stored(), QStringList{QStringLiteral("OUTRA|1133334444")});
    EXPECT_EQ(b.txtFone->text(), QStringLiteral("1133334444"));
    EXPECT_EQ(b.txtnmf->text(), QStringLiteral("OUTRA"));
    testsupport::retype(b.txtnmf, QStringLiteral("TERCEIRA"));
    dialogs.clear();
    testsupport::click(b.cmdok);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(stored(), QStringList{QStringLiteral("TERCEIRA|1133334444")});
}

// Refused, with the focus in the box at fault: the first wrong one the user
// meets.
TEST_F(CompanyWindow, IncompleteOrInvalidDataIsRefused) {
    struct Case {
        const char* what;
        std::function<void(frmcademp&)> change;
        QString message;
        QLineEdit* frmcademp::*box;
    };
    const QString wrong = QStringLiteral("--- ERRO --- DADOS INCORRETOS!");
    const QString invalid = QStringLiteral("--- ERRO --- CPF/CNPJ INVÁLIDO!");
    const std::vector<Case> cases = {
        {"blank e-mail", [](frmcademp& f) { f.txtforo->setText(QStringLiteral("  ")); }, wrong,
         &frmcademp::txtforo},
        {"blank state", [](frmcademp& f) { f.txtUF->clear(); }, wrong, &frmcademp::txtUF},
        {"postal code with hyphen, blank city",
         [](frmcademp& f) {
             f.txtCep->setText(QStringLiteral("01001-00"));
             f.txtCidade->clear();
         },
         wrong, &frmcademp::txtCep},
        {"empty postal code", [](frmcademp& f) { f.txtCep->clear(); }, wrong, &frmcademp::txtCep},
        {"blank trade name and e-mail",
         [](frmcademp& f) {
             f.txtnmf->clear();
             f.txtforo->clear();
         },
         wrong, &frmcademp::txtnmf},
        {"wrong check digit",
         [](frmcademp& f) { f.txtcgc->setText(QStringLiteral("11444777000162")); }, invalid,
         &frmcademp::txtcgc},
        {"empty document", [](frmcademp& f) { f.txtcgc->clear(); }, invalid, &frmcademp::txtcgc},
    };
    frmcademp form;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fill(form);
        c.change(form);
        dialogs.clear();
        testsupport::click(form.cmdok);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().at(0).text, c.message);
        EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages().at(0).icon, dlg::Icon::Exclamation);
        EXPECT_EQ(form.focusWidget(), form.*c.box);
    }
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(CompanyWindow, InvalidDocumentLeftEmptiesTheBoxSilently) {
    frmcademp form;
    const std::vector<std::pair<QString, QString>> table = {
        {QStringLiteral("11444777000162"), QString()},
        {QStringLiteral("ABC"), QString()},
        {QStringLiteral("11144477735"), QStringLiteral("11144477735")},
        {QStringLiteral("111.444.777-35"), QStringLiteral("111.444.777-35")},
    };
    for (const auto& [typed, kept] : table) {
        form.txtcgc->setText(typed);
        form.txtcgc_LostFocus();
        EXPECT_EQ(form.txtcgc->text(), kept) << typed.toStdString();
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(CompanyWindow, FailedStatementKeepsTheWindowAndTheData) {
    check.execute(
        QStringLiteral("CREATE TRIGGER falha_empresa BEFORE INSERT ON empresa FOR EACH "
                       "ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'falha simulada'"));
    frmcademp form;
    form.show();
    fill(form);
    form.cmdok_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().at(0).text.startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.txtrazao->text(), QStringLiteral("OFICINA D'ÁGUA LTDA"));
    EXPECT_TRUE(rows().isEmpty());
}
