#include "platform/db/connection.h"
#include "shell/frmcadusuario.h"
#include "shell/funcoes.h"
#include "shell/menu_items.h"
#include "shell/profile_list.h"
#include "shell/shared_state.h"
#include "shell/user_accounts.h"
#include "tests/shell/window_database_test.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <string_view>

namespace {

struct ProfileRow {
    QString ususenha;
    QString campo;
    QString valor;
};

class UserWindow : public WindowDatabaseTest {
protected:
    // The rows of a user in insertion order.
    std::vector<ProfileRow> profile(const QString& user) {
        db::Recordset r = check.query(
            QStringLiteral("select ususenha, campo, valor from perfilusuario where nmusuario = ?"),
            {user});
        std::vector<ProfileRow> out;
        for (; !r.eof(); r.moveNext())
            out.push_back({r.text(QStringLiteral("ususenha")), r.text(QStringLiteral("campo")),
                           r.text(QStringLiteral("valor"))});
        return out;
    }
    QStringList users() {
        db::Recordset r = check.query(
            QStringLiteral("select concat('[', nmusuario, '|', ususenha, ']') from usuarios "
                           "order by nmusuario"));
        QStringList out;
        for (qsizetype row = 0; row < r.rowCount(); ++row)
            out << r.textAt(row, 0);
        return out;
    }
    static void enterName(frmcadusuario& form, const QString& name) {
        form.Combo1->setEditText(name);
        form.Combo1_LostFocus();
    }
    // Shows the window and types the name into its box, leaving it with Enter.
    static void typeName(frmcadusuario& form, const QString& typed) {
        form.show();
        form.activateWindow();
        form.Combo1->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    static void enterPasswords(frmcadusuario& form, const QString& senha, const QString& ok) {
        form.txtsenha->setText(senha);
        form.txtoksenha->setText(ok);
    }
    static QList<bool> checks(const frmcadusuario& form) {
        QList<bool> out;
        for (int i = 0; i < form.List1->count(); ++i)
            out << (form.List1->item(i)->checkState() == Qt::Checked);
        return out;
    }
    // A user with every item allowed but those named.
    void storeUser(const QString& name, const QString& password, const QStringList& blocked) {
        std::vector<users::ProfileEntry> entries;
        for (const MenuItemDef& item : kMenuItems)
            entries.push_back(
                {QString::fromUtf8(item.name), !blocked.contains(QString::fromUtf8(item.name))});
        users::save(check, name, password, {}, entries);
    }
};

} // namespace

TEST(ProfileList, LinesAndNamesTakenBack) {
    struct Case {
        MenuItemDef item;
        QString line;
    };
    const std::vector<Case> cases = {
        {{"mnu_cadcli", "Clientes", 1},
         QStringLiteral("....Clientes") + QString(52, QLatin1Char(' ')) +
             QStringLiteral(" - mnu_cadcli          ")},
        {{"mnucad", "Cadastro", 0},
         QStringLiteral("Cadastro") + QString(52, QLatin1Char(' ')) +
             QStringLiteral(" - mnucad              ")},
        {{"findespinc", "Inclusão", 2},
         QStringLiteral("........Inclusão") + QString(52, QLatin1Char(' ')) +
             QStringLiteral(" - findespinc          ")},
        // Caption and name are cut to their columns.
        {{"um_nome_bem_comprido_demais", "X", 0},
         QStringLiteral("X") + QString(59, QLatin1Char(' ')) +
             QStringLiteral(" - um_nome_bem_comprido")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profileLine(c.item), c.line) << c.item.name;
    EXPECT_EQ(profileLine(cases[0].item).size(), 87);
    EXPECT_EQ(
        profileLine({"x", "A-B-C-D-E-F-G-H-I-J-K-L-M-N-O-P-Q-R-S-T-U-V-W-X-Y-Z-0-1-2-3-4", 0}),
        QStringLiteral("A-B-C-D-E-F-G-H-I-J-K-L-M-N-O-P-Q-R-S-T-U-V-W-X-Y-Z-0-1-2-3-") +
            QStringLiteral(" - x") + QString(19, QLatin1Char(' ')));
    // Every item of the main window, "F10 - LogOff" included, gives its name back.
    for (const MenuItemDef& item : kMenuItems)
        EXPECT_EQ(nameFromProfileLine(profileLine(item)), QString::fromUtf8(item.name));
}

TEST_F(UserWindow, FirstUserTypedAndSavedWithItsProfile) {
    frmcadusuario form;
    form.show();
    form.activateWindow();
    form.Combo1->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form.Combo1->count(), 0);
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_FALSE(form.Command3->isEnabled());

    // Typed in small letters, arrives in capitals; Enter leaves the box.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("admin"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("ADMIN"));
    ASSERT_EQ(form.List1->count(), 34);
    EXPECT_EQ(checks(form), QList<bool>(34, false));
    EXPECT_TRUE(form.txtsenha->hasFocus());

    QTest::keyClicks(form.txtsenha, QStringLiteral("se1"));
    form.txtoksenha->setFocus();
    QTest::keyClicks(form.txtoksenha, QStringLiteral("se"));
    EXPECT_FALSE(form.Command1->isEnabled());
    QTest::keyClicks(form.txtoksenha, QStringLiteral("1"));
    EXPECT_EQ(form.txtoksenha->text(), QStringLiteral("SE1"));
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Command3->isEnabled());

    form.Command2_Click();
    form.List1->item(1)->setCheckState(Qt::Unchecked); // mnu_cadcli
    form.Command1->click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("Atenção"));

    EXPECT_EQ(users(), QStringList{QStringLiteral("[ADMIN|SE1]")});
    const std::vector<ProfileRow> rows = profile(QStringLiteral("ADMIN"));
    ASSERT_EQ(rows.size(), 34u);
    QMap<QString, QString> valores;
    for (const ProfileRow& row : rows) {
        EXPECT_EQ(row.ususenha, QStringLiteral("SE1"));
        valores.insert(row.campo.trimmed(), row.valor);
    }
    for (const MenuItemDef& item : kMenuItems)
        EXPECT_EQ(valores.value(QString::fromUtf8(item.name)),
                  item.name == std::string_view("mnu_cadcli") ? QStringLiteral("1")
                                                              : QStringLiteral("0"))
            << item.name;
    // `campo` is found by the padded name and by the bare one alike.
    for (const QString& campo :
         {QStringLiteral("mnu_update          "), QStringLiteral("mnu_update")})
        EXPECT_EQ(check
                      .query(QStringLiteral("select count(*) from perfilusuario where campo = ?"),
                             {campo})
                      .textAt(0, 0),
                  QStringLiteral("1"));
    EXPECT_EQ(PermissaoUsuario(QStringLiteral("ADMIN"), QStringLiteral("mnu_cadcli")),
              QStringLiteral("1"));
    EXPECT_EQ(PermissaoUsuario(QStringLiteral("ADMIN"), QStringLiteral("mnu_cadfor")),
              QStringLiteral("0"));

    // Back to the opened state.
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_TRUE(form.Combo1->currentText().isEmpty());
    EXPECT_TRUE(form.txtsenha->text().isEmpty());
    EXPECT_FALSE(form.Command1->isEnabled());

    // Esc closes the window and the shared connection.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(shared::gCn().isOpen());
}

TEST_F(UserWindow, ExistingUserLoadsAndAPasswordChangeKeepsTheProfile) {
    storeUser(QStringLiteral("ANA"), QStringLiteral("VELHA"),
              {QStringLiteral("mnu_cadusu"), QStringLiteral("mnu_update")});
    storeUser(QStringLiteral("BIA"), QStringLiteral("X"), {});
    frmcadusuario form;
    EXPECT_EQ(form.Combo1->count(), 2);
    EXPECT_TRUE(form.Combo1->currentText().isEmpty());

    enterName(form, QStringLiteral("ANA"));
    EXPECT_EQ(form.txtsenha->text(), QStringLiteral("VELHA"));
    EXPECT_EQ(form.txtoksenha->text(), QStringLiteral("VELHA"));
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Command3->isEnabled());
    QList<bool> expected(34, true);
    expected[6] = false;  // mnu_cadusu
    expected[33] = false; // mnu_update
    EXPECT_EQ(checks(form), expected);

    enterPasswords(form, QStringLiteral("NOVA"), QStringLiteral("NOVA"));
    form.List1->item(0)->setCheckState(Qt::Unchecked);
    form.Command1_Click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("Salvo com sucesso!")));
    EXPECT_EQ(users(), (QStringList{QStringLiteral("[ANA|NOVA]"), QStringLiteral("[BIA|X]")}));
    EXPECT_EQ(profile(QStringLiteral("ANA")).size(), 34u);
    EXPECT_EQ(profile(QStringLiteral("BIA")).size(), 34u);

    enterName(form, QStringLiteral("ANA"));
    expected[0] = false;
    EXPECT_EQ(checks(form), expected);
}

TEST_F(UserWindow, UserDeletedElsewhereBeforeTheSaveIsReportedNotRecreated) {
    storeUser(QStringLiteral("ANA"), QStringLiteral("VELHA"), {});
    frmcadusuario form;
    enterName(form, QStringLiteral("ANA"));
    ASSERT_TRUE(form.Command1->isEnabled());
    // Another workstation deletes the user between the load and the save.
    users::remove(check, QStringLiteral("ANA"));

    enterPasswords(form, QStringLiteral("NOVA"), QStringLiteral("NOVA"));
    form.Command1_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().at(0).text,
              QStringLiteral("--- ERRO --- USUÁRIO NÃO ENCONTRADO! CONSULTE NOVAMENTE."));
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_TRUE(users().isEmpty());
    EXPECT_TRUE(profile(QStringLiteral("ANA")).empty());
    EXPECT_EQ(form.List1->count(), 34);

    // Looked up again, the name is a new user, and saving creates it.
    dialogs.clear();
    enterName(form, QStringLiteral("ANA"));
    enterPasswords(form, QStringLiteral("NOVA"), QStringLiteral("NOVA"));
    form.Command1_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(users(), QStringList{QStringLiteral("[ANA|NOVA]")});
    EXPECT_EQ(profile(QStringLiteral("ANA")).size(), 34u);
}

// Two windows on one user: a save writes only over the user and profile as
// its window read them.
TEST_F(UserWindow, AStaleWindowNeitherRestoresAnItemNorAnOldPassword) {
    const QString alterado =
        QStringLiteral("--- ERRO --- USUÁRIO ALTERADO EM OUTRA ESTAÇÃO! DADOS RECARREGADOS.");
    storeUser(QStringLiteral("ANA"), QStringLiteral("VELHA"), {});
    frmcadusuario a;
    frmcadusuario b;
    typeName(a, QStringLiteral("ana"));
    typeName(b, QStringLiteral("ana"));
    a.List1->item(1)->setCheckState(Qt::Unchecked); // mnu_cadcli blocked
    a.Command1->click();
    const std::vector<ProfileRow> blocked = profile(QStringLiteral("ANA"));
    ASSERT_EQ(blocked.at(1).valor, QStringLiteral("1"));

    enterPasswords(b, QStringLiteral("NOVA"), QStringLiteral("NOVA"));
    dialogs.clear();
    b.Command1->click();
    EXPECT_EQ(dialogs.texts(), QStringList{alterado});
    EXPECT_EQ(users(), QStringList{QStringLiteral("[ANA|VELHA]")});
    EXPECT_EQ(profile(QStringLiteral("ANA")).at(1).valor, QStringLiteral("1"));
    // Read again: the item blocked at the other window shows blocked.
    EXPECT_EQ(b.txtsenha->text(), QStringLiteral("VELHA"));
    EXPECT_EQ(b.List1->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(b.List1->item(2)->checkState(), Qt::Checked);
    enterPasswords(b, QStringLiteral("NOVA"), QStringLiteral("NOVA"));
    dialogs.clear();
    b.Command1->click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(users(), QStringList{QStringLiteral("[ANA|NOVA]")});
    EXPECT_EQ(profile(QStringLiteral("ANA")).at(1).valor, QStringLiteral("1"));

    // A new name saved meanwhile by the other window is not overwritten.
    typeName(a, QStringLiteral("bia"));
    typeName(b, QStringLiteral("bia"));
    enterPasswords(a, QStringLiteral("A1"), QStringLiteral("A1"));
    a.Command1->click();
    enterPasswords(b, QStringLiteral("B2"), QStringLiteral("B2"));
    dialogs.clear();
    b.Command1->click();
    EXPECT_EQ(dialogs.texts(), QStringList{alterado});
    EXPECT_EQ(users(), (QStringList{QStringLiteral("[ANA|NOVA]"), QStringLiteral("[BIA|A1]")}));
    EXPECT_EQ(b.txtsenha->text(), QStringLiteral("A1"));
}

TEST_F(UserWindow, FailedLookUpAllowsNoSaveOrDeleteUntilALookUpSucceeds) {
    storeUser(QStringLiteral("ANA"), QStringLiteral("VELHA"), {QStringLiteral("mnu_cadcli")});
    // The user is found, the profile cannot be read.
    check.execute(QStringLiteral("RENAME TABLE perfilusuario TO perfil_guardado"));
    frmcadusuario form;
    typeName(form, QStringLiteral("ana"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().at(0).text.startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_TRUE(form.txtsenha->text().isEmpty());
    EXPECT_TRUE(form.txtoksenha->text().isEmpty());
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_FALSE(form.Command3->isEnabled());

    // Passwords typed again do not bring the buttons back, and neither a
    // save nor a delete runs.
    form.txtsenha->setFocus();
    QTest::keyClicks(form.txtsenha, QStringLiteral("nova"));
    form.txtoksenha->setFocus();
    QTest::keyClicks(form.txtoksenha, QStringLiteral("nova"));
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_FALSE(form.Command3->isEnabled());
    dialogs.clear();
    form.Command1_Click();
    form.Command3_Click();
    EXPECT_TRUE(dialogs.shown().empty());
    check.execute(QStringLiteral("RENAME TABLE perfil_guardado TO perfilusuario"));
    EXPECT_EQ(users(), QStringList{QStringLiteral("[ANA|VELHA]")});
    EXPECT_EQ(profile(QStringLiteral("ANA")).size(), 34u);

    // A look-up that succeeds makes the window whole again.
    form.Combo1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(form.txtsenha->text(), QStringLiteral("VELHA"));
    ASSERT_EQ(form.List1->count(), 34);
    EXPECT_EQ(form.List1->item(1)->checkState(), Qt::Unchecked); // mnu_cadcli
    EXPECT_EQ(form.List1->item(2)->checkState(), Qt::Checked);
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Command3->isEnabled());
    form.Command1->click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(profile(QStringLiteral("ANA")).size(), 34u);
}

TEST_F(UserWindow, NewNameThatBeginsAnExistingOneStaysAsTyped) {
    storeUser(QStringLiteral("ANABELA"), QStringLiteral("X"), {});
    frmcadusuario form;
    typeName(form, QStringLiteral("ana"));
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("ANA"));
    EXPECT_TRUE(form.txtsenha->text().isEmpty());
}

TEST_F(UserWindow, NameIsTrimmedOnceForEveryStatement) {
    frmcadusuario form;
    enterName(form, QStringLiteral(" BIA"));
    ASSERT_EQ(form.List1->count(), 34);
    enterPasswords(form, QStringLiteral("S"), QStringLiteral("S"));
    form.Command2_Click();
    form.Command1_Click();
    EXPECT_EQ(users(), QStringList{QStringLiteral("[BIA|S]")});
    EXPECT_EQ(profile(QStringLiteral("BIA")).size(), 34u);

    // The same name with blanks around finds the stored user and updates it.
    enterName(form, QStringLiteral("  BIA  "));
    EXPECT_EQ(form.txtsenha->text(), QStringLiteral("S"));
    EXPECT_EQ(checks(form), QList<bool>(34, true));
    enterPasswords(form, QStringLiteral("T"), QStringLiteral("T"));
    form.Command1_Click();
    EXPECT_EQ(users(), QStringList{QStringLiteral("[BIA|T]")});
    EXPECT_EQ(profile(QStringLiteral("BIA")).size(), 34u);

    form.Combo1->setEditText(QStringLiteral(" BIA "));
    dialogs.answer(dlg::Answer::Yes);
    form.Command3_Click();
    EXPECT_TRUE(users().isEmpty());
    EXPECT_TRUE(profile(QStringLiteral("BIA")).empty());
}

TEST_F(UserWindow, NameChecksOnLeavingAndAgainOnSaving) {
    frmcadusuario form;
    struct Case {
        QString name;
        QString message;
        dlg::Icon icon;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("   "), QStringLiteral("--- ERRO --- INFORME O NOME DE USUÁRIO!"),
         dlg::Icon::Information},
        {QStringLiteral("ONZELETRASX"),
         QStringLiteral("--- ERRO --- O NOME DE USUÁRIO NÃO PODE TER MAIS QUE 10 CARACTERES!"),
         dlg::Icon::Critical},
    };
    for (const Case& c : cases) {
        enterName(form, QStringLiteral("ANA"));
        enterPasswords(form, QStringLiteral("P"), QStringLiteral("P"));
        dialogs.clear();
        enterName(form, c.name);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().at(0).text, c.message);
        EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages().at(0).icon, c.icon);
        EXPECT_EQ(form.List1->count(), 0);
        // Only an empty name disables the buttons.
        EXPECT_EQ(form.Command1->isEnabled(), !c.name.trimmed().isEmpty());

        dialogs.clear();
        form.Command1_Click();
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
    }
    EXPECT_TRUE(users().isEmpty());
}

TEST_F(UserWindow, SaveRefusesBlankOrDifferentPasswords) {
    frmcadusuario form;
    struct Case {
        QString senha, ok, message, title;
    };
    const std::vector<Case> cases = {
        {QString(), QString(),
         QStringLiteral("Existem campos em branco que não podem ficar em branco."),
         QStringLiteral("ATENÇÃO")},
        {QStringLiteral("A"), QStringLiteral("B"),
         QStringLiteral("--- ERRO --- Senhas não conferem!"), QStringLiteral("Atenção")},
    };
    enterName(form, QStringLiteral("ANA"));
    for (const Case& c : cases) {
        dialogs.clear();
        enterPasswords(form, c.senha, c.ok);
        EXPECT_FALSE(form.Command1->isEnabled());
        form.Command1_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().at(0).text, c.message);
        EXPECT_EQ(dialogs.messages().at(0).title, c.title);
        EXPECT_EQ(dialogs.messages().at(0).icon, dlg::Icon::Exclamation);
        EXPECT_EQ(form.List1->count(), 34);
    }
    // Blanks alone do not make a password.
    enterPasswords(form, QStringLiteral("  "), QStringLiteral("  "));
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_TRUE(users().isEmpty());
}

TEST_F(UserWindow, DeleteAsksWithYesAsDefault) {
    storeUser(QStringLiteral("ANA"), QStringLiteral("A"), {});
    frmcadusuario form;
    enterName(form, QStringLiteral("ANA"));
    dialogs.answer(dlg::Answer::No);
    form.Command3_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().at(0).text, QStringLiteral("Confirma a exclusão?"));
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("Exclusão de Usuário"));
    EXPECT_EQ(dialogs.messages().at(0).defaultButton, dlg::Answer::Yes);
    EXPECT_EQ(users().size(), 1);
    EXPECT_EQ(form.List1->count(), 34);

    dialogs.answer(dlg::Answer::Yes);
    form.Command3_Click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("Excluído com sucesso!")));
    EXPECT_TRUE(users().isEmpty());
    EXPECT_TRUE(profile(QStringLiteral("ANA")).empty());
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_FALSE(form.Command3->isEnabled());

    // A name without rows is still reported as deleted.
    dialogs.clear();
    form.Combo1->setEditText(QStringLiteral("NINGUEM"));
    dialogs.answer(dlg::Answer::Yes);
    form.Command3_Click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("Excluído com sucesso!")));
}

TEST_F(UserWindow, FailureInTheMiddleLeavesTheOldUserAndProfile) {
    storeUser(QStringLiteral("ANA"), QStringLiteral("VELHA"), {QStringLiteral("mnu_cadcli")});
    const std::vector<ProfileRow> before = profile(QStringLiteral("ANA"));
    check.execute(QStringLiteral(
        "CREATE TRIGGER falha_perfil BEFORE INSERT ON perfilusuario FOR EACH ROW "
        "IF NEW.campo = 'mnu_update' THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = "
        "'falha simulada'; END IF"));
    check.execute(
        QStringLiteral("CREATE TRIGGER falha_usuario BEFORE DELETE ON usuarios FOR EACH ROW "
                       "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'falha simulada'"));

    frmcadusuario form;
    enterName(form, QStringLiteral("ANA"));
    enterPasswords(form, QStringLiteral("NOVA"), QStringLiteral("NOVA"));
    form.Command5_Click();
    form.Command1_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().at(0).text.startsWith(QStringLiteral("--- ERRO --- ")));
    EXPECT_TRUE(dialogs.messages().at(0).text.contains(QStringLiteral("falha simulada")));
    EXPECT_EQ(users(), QStringList{QStringLiteral("[ANA|VELHA]")});
    const std::vector<ProfileRow> after = profile(QStringLiteral("ANA"));
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].ususenha, before[i].ususenha);
        EXPECT_EQ(after[i].campo, before[i].campo);
        EXPECT_EQ(after[i].valor, before[i].valor);
    }
    // The window keeps what was typed.
    EXPECT_EQ(form.txtsenha->text(), QStringLiteral("NOVA"));
    EXPECT_EQ(form.List1->count(), 34);

    // A delete that fails half-way keeps the profile too.
    dialogs.clear();
    dialogs.answer(dlg::Answer::Yes);
    form.Command3_Click();
    EXPECT_FALSE(dialogs.sawText(QStringLiteral("Excluído com sucesso!")));
    EXPECT_EQ(profile(QStringLiteral("ANA")).size(), 34u);
    EXPECT_EQ(users().size(), 1);
}
