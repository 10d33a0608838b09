#include "platform/db/connection.h"
#include "shell/frmcademp.h"
#include "shell/frmconfig.h"
#include "shell/frmprincipal.h"
#include "shell/frmtelainicial.h"
#include "shell/program_end.h"
#include "shell/settings_file.h"
#include "shell/shared_state.h"
#include "shell/shell_windows.h"
#include "shell/window_registry.h"
#include "tests/support/modal.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::whenModal;

namespace {

const QString kWrong = QStringLiteral("--- ERRO --- USUÁRIO E/OU SENHA NÃO CONFEREM!");

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        program::resetForTests();
        shared::gLogado.clear();
        shared::gUsuario.clear();
        shared::gEmpFantasia.clear();
        shared::fechaConexao();
        registerShellWindows();
        qputenv("QUENDARO_DIR", dir.path().toLocal8Bit());
        cn.setConnectionString(testsupport::freshDatabase());
        cn.open();
        writeSettings(qEnvironmentVariable("QUENDARO_TEST_DB_SERVER"));
    }
    void TearDown() override {
        shared::fechaConexao();
        qunsetenv("QUENDARO_DIR");
        program::resetForTests();
    }
    void writeSettings(const QString& server) {
        ASSERT_TRUE(settings::write({server, qEnvironmentVariable("QUENDARO_TEST_DB_PASSWORD"),
                                     testsupport::databaseName(),
                                     qEnvironmentVariable("QUENDARO_TEST_DB_USER")})
                        .isEmpty());
    }
    void addUser(const QString& name, const QString& password) {
        cn.execute(QStringLiteral("INSERT INTO usuarios (nmusuario, ususenha) VALUES (?, ?)"),
                   {name, password});
    }
    void allow(const QString& user, const QString& item, const QString& valor) {
        cn.execute(QStringLiteral("INSERT INTO perfilusuario (nmusuario, campo, valor) VALUES "
                                  "(?, RPAD(?, 20, ' '), ?)"),
                   {user, item, valor});
    }
    void addCompany(const QString& cpf) {
        cn.execute(QStringLiteral("INSERT INTO empresa (cpf, nmemp, nmfant, fone) VALUES "
                                  "(?, 'OFICINA BOA', 'BOA', '(11) 5555-0000')"),
                   {cpf});
    }
    // Types the name and password into the next login and confirms; `then`
    // runs for a login that stays open after the attempt.
    static void login(const QString& user, const QString& password,
                      std::function<void(frmtelainicial*)> then = {}) {
        whenModal<frmtelainicial>([=](frmtelainicial* form) {
            form->txtUsuario->setText(user);
            form->txtSenha->setText(password);
            form->Command1->click();
            if (then)
                then(form);
        });
    }
    static void cancelLogin() {
        whenModal<frmtelainicial>([](frmtelainicial* form) { form->Command2->click(); });
    }
    bool enabled(frmPrincipal& w, const char* name) {
        return w.menuControl(QString::fromLatin1(name))->isEnabled();
    }

    QTemporaryDir dir;
    db::Connection cn;
    testsupport::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(Startup, ValidCompanyGivesCaptionUserPanelAndPictureFolder) {
    addUser(QStringLiteral("ANA"), QStringLiteral("123"));
    addCompany(QStringLiteral("11444777000161"));
    cn.execute(QStringLiteral("INSERT INTO empresa (cpf, nmemp, fone) VALUES "
                              "('11444777000161', 'OFICINA NOVA', '(11) 4444-1111')"));
    frmPrincipal w;
    EXPECT_EQ(w.panel(2)->text(), QStringLiteral("1.0"));
    login(QStringLiteral("ANA"), QStringLiteral("123"));
    w.Form_Activate();
    EXPECT_FALSE(program::ending());
    EXPECT_EQ(shared::gLogado, QStringLiteral("S"));
    // The last company row read wins.
    EXPECT_EQ(w.windowTitle(), QStringLiteral("OFICINA NOVA - (11) 4444-1111"));
    EXPECT_EQ(w.panel(5)->text(), QStringLiteral("Usuário: ANA"));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("ImgPro"))).exists());
    EXPECT_FALSE(w.cmdST->isVisible());
    EXPECT_FALSE(shared::gCn().isOpen());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Startup, InvalidOrMissingCompanyAsksFirstAccessAndEnds) {
    for (const QString& cpf : {QString(), QStringLiteral("11444777000162")}) {
        program::resetForTests();
        shared::gLogado.clear();
        dialogs.clear();
        cn.execute(QStringLiteral("DELETE FROM empresa"));
        cn.execute(QStringLiteral("DELETE FROM usuarios"));
        addUser(QStringLiteral("ANA"), QStringLiteral("1"));
        if (!cpf.isEmpty())
            addCompany(cpf);
        frmPrincipal w;
        login(QStringLiteral("ANA"), QStringLiteral("1"));
        dialogs.answer(dlg::Answer::No);
        w.Form_Activate();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].text,
                  QStringLiteral("SE FOR PRIMEIRO ACESSO CLIQUE EM SIM!\nCASO CONTRÁRIO CLIQUE EM "
                                 "NÃO E CONTATE O SUPORTE!"));
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages()[0].defaultButton, dlg::Answer::No);
        EXPECT_TRUE(program::ending());
    }
}

TEST_F(Startup, UnreachableServerOffersTheSettingsWindowThenEnds) {
    const QString down = QStringLiteral("--- ERRO --- SERVIDOR DE BANCO DE DADOS INDISPONÍVEL! "
                                        "VERIFIQUE SE O SERVIDOR ESTÁ LIGADO.");
    const QString question =
        QStringLiteral("SE FOR O PRIMEIRO ACESSO CLIQUE SIM!\nOU CONTATE O SUPORTE!");
    writeSettings(QStringLiteral("127.0.0.2"));
    {
        frmPrincipal w;
        dialogs.answer(dlg::Answer::Yes);
        bool offered = false;
        whenModal<frmconfig>([&](frmconfig* form) {
            offered = true;
            // No one has logged in: the password is there but not shown.
            EXPECT_EQ(form->txtSenha->echoMode(), QLineEdit::Password);
            EXPECT_EQ(form->txtSenha->text(), qEnvironmentVariable("QUENDARO_TEST_DB_PASSWORD"));
            form->Command1->click();
        });
        w.Form_Activate();
        EXPECT_TRUE(offered);
        ASSERT_EQ(dialogs.messages().size(), 2u);
        EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(dialogs.messages()[0].text, down);
        EXPECT_EQ(dialogs.messages()[1].text, question);
        EXPECT_TRUE(program::ending());
    }

    // A server that refuses the login keeps its number and text.
    program::resetForTests();
    dialogs.clear();
    ASSERT_TRUE(settings::write({qEnvironmentVariable("QUENDARO_TEST_DB_SERVER"),
                                 QStringLiteral("errada"), testsupport::databaseName(),
                                 qEnvironmentVariable("QUENDARO_TEST_DB_USER")})
                    .isEmpty());
    {
        frmPrincipal w;
        dialogs.answer(dlg::Answer::No);
        w.Form_Activate();
        ASSERT_EQ(dialogs.messages().size(), 2u);
        EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("1045\n")))
            << dialogs.messages()[0].text;
        EXPECT_EQ(dialogs.messages()[1].text, question);
        EXPECT_TRUE(program::ending());
    }

    // The server goes away while a user is logged in: the log-off says so too.
    program::resetForTests();
    dialogs.clear();
    shared::gLogado.clear();
    writeSettings(qEnvironmentVariable("QUENDARO_TEST_DB_SERVER"));
    addUser(QStringLiteral("ANA"), QStringLiteral("1"));
    addCompany(QStringLiteral("11444777000161"));
    frmPrincipal w;
    login(QStringLiteral("ANA"), QStringLiteral("1"));
    w.Form_Activate();
    ASSERT_EQ(shared::gLogado, QStringLiteral("S"));
    shared::gConexao = settings::connectionString(
        {QStringLiteral("127.0.0.2"), qEnvironmentVariable("QUENDARO_TEST_DB_PASSWORD"),
         testsupport::databaseName(), qEnvironmentVariable("QUENDARO_TEST_DB_USER")});
    dialogs.answer(dlg::Answer::No);
    w.mnu_f10_Click();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].text, down);
    EXPECT_EQ(dialogs.messages()[1].text, question);
    EXPECT_TRUE(program::ending());
}

TEST_F(Startup, FirstAccessWithoutUsersOffersTheAdministratorAndEnds) {
    bool opened = false;
    windows::add(QStringLiteral("frmcadusuario"), [&](QWidget*) { opened = true; });
    frmPrincipal w;
    dialogs.answer(dlg::Answer::Yes);
    w.Form_Activate();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(dialogs.sawText(
        QStringLiteral("PRIMEIRO ACESSO --- DESEJA CRIAR O USUÁRIO ADMINISTRADOR AGORA?")));
    EXPECT_TRUE(program::ending());
}

TEST_F(Startup, WrongPasswordThenRightOneAndInjectionFails) {
    addUser(QStringLiteral("ANA"), QStringLiteral("SEGREDO"));
    addCompany(QStringLiteral("11444777000161"));
    frmPrincipal w;
    login(QStringLiteral("ANA"), QStringLiteral("ERRADA"), [this](frmtelainicial* form) {
        EXPECT_TRUE(dialogs.sawText(kWrong));
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->txtSenha->text(), QStringLiteral("ERRADA"));
        form->txtUsuario->setText(QStringLiteral("' OR ''='"));
        form->txtSenha->setText(QStringLiteral("' OR ''='"));
        form->Command1->click();
        EXPECT_EQ(dialogs.texts().count(kWrong), 2);
        form->txtUsuario->setText(QStringLiteral("ANA"));
        form->txtSenha->setText(QStringLiteral("SEGREDO"));
        form->Command1->click();
    });
    w.Form_Activate();
    EXPECT_EQ(shared::gUsuario, QStringLiteral("ANA"));
    EXPECT_EQ(shared::gLogado, QStringLiteral("S"));
}

TEST_F(Startup, ProfileDecidesTheMenusAndThreeItemsComeBack) {
    addUser(QStringLiteral("ANA"), QStringLiteral("1"));
    addCompany(QStringLiteral("11444777000161"));
    allow(QStringLiteral("ANA"), QStringLiteral("mnucad"), QStringLiteral("0"));
    allow(QStringLiteral("ANA"), QStringLiteral("MNU_CADCLI"), QStringLiteral("0"));
    allow(QStringLiteral("ANA"), QStringLiteral("mnu_cadfor"), QStringLiteral("0"));
    allow(QStringLiteral("ANA"), QStringLiteral("mnu_cadfor"), QStringLiteral("1"));
    allow(QStringLiteral("ANA"), QStringLiteral("mnu_f10"), QStringLiteral("1"));
    allow(QStringLiteral("ANA"), QStringLiteral("nada_disso"), QStringLiteral("0"));
    frmPrincipal w;
    login(QStringLiteral("ANA"), QStringLiteral("1"));
    w.Form_Activate();
    ASSERT_EQ(w.menuControls().size(), 34);
    EXPECT_TRUE(enabled(w, "mnucad"));
    EXPECT_TRUE(enabled(w, "mnu_cadcli"));
    EXPECT_FALSE(enabled(w, "mnu_cadfor")); // the last row decides
    EXPECT_FALSE(enabled(w, "mnu_cadpro")); // no row
    EXPECT_FALSE(enabled(w, "mnuos"));
    EXPECT_FALSE(enabled(w, "mnu_f10"));
    // The next activation gives these three back, whatever the profile.
    w.Form_Activate();
    for (const char* item : {"utiup", "mnu_f10", "mnu_update"})
        EXPECT_TRUE(enabled(w, item)) << item;
}

TEST_F(Startup, MenusOpenWithAltAndTheirLetterAndGoOnByArrowsAndEnter) {
    addUser(QStringLiteral("ANA"), QStringLiteral("1"));
    addCompany(QStringLiteral("11444777000161"));
    const std::vector<std::pair<char, const char*>> menus = {{'C', "mnucad"}, {'I', "mnuest"},
                                                             {'O', "mnuos"},  {'F', "mnufin"},
                                                             {'E', "mnuepi"}, {'U', "mnu_uti"}};
    for (const auto& [letter, name] : menus)
        allow(QStringLiteral("ANA"), QString::fromLatin1(name), QStringLiteral("0"));
    allow(QStringLiteral("ANA"), QStringLiteral("uti_emp"), QStringLiteral("0"));
    frmPrincipal w;
    login(QStringLiteral("ANA"), QStringLiteral("1"));
    w.Form_Activate();
    w.show();
    QApplication::setActiveWindow(&w);
    for (const auto& [letter, name] : menus) {
        QTest::keyClick(&w, Qt::Key(letter), Qt::AltModifier);
        QWidget* open = QApplication::activePopupWidget();
        ASSERT_NE(open, nullptr) << letter;
        EXPECT_EQ(open->objectName(), QString::fromLatin1(name));
        QTest::keyClick(open, Qt::Key_Escape);
        QTest::keyClick(w.menuBar(), Qt::Key_Escape);
    }
    // "Util", then the second item, "Empresa Emitente".
    bool opened = false;
    whenModal<frmcademp>([&](frmcademp* form) {
        opened = true;
        form->close();
    });
    QTest::keyClick(&w, Qt::Key_U, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    EXPECT_TRUE(opened);
    // The commands on the bar would run at once: no letter of their own.
    EXPECT_EQ(w.menuControl(QStringLiteral("mnu_f10"))->text(), QStringLiteral("F10 - LogOff"));
    EXPECT_EQ(w.menuControl(QStringLiteral("mnu_update"))->text(), QStringLiteral("Atualizar"));
}

TEST_F(Startup, LogOffThenAnotherUser) {
    addUser(QStringLiteral("ANA"), QStringLiteral("1"));
    addUser(QStringLiteral("BIA"), QStringLiteral("2"));
    addCompany(QStringLiteral("11444777000161"));
    allow(QStringLiteral("BIA"), QStringLiteral("mnufin"), QStringLiteral("0"));
    frmPrincipal w;
    login(QStringLiteral("ANA"), QStringLiteral("1"));
    w.Form_Activate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("OFICINA BOA - (11) 5555-0000"));
    // Another station saves the company.
    cn.execute(QStringLiteral("UPDATE empresa SET nmemp = 'OUTRA', fone = '(11) 5555-0001'"));

    login(QStringLiteral("BIA"), QStringLiteral("2"));
    w.mnu_f10_Click();
    EXPECT_EQ(shared::gUsuario, QStringLiteral("BIA"));
    EXPECT_EQ(w.panel(5)->text(), QStringLiteral("Usuário: BIA"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("OUTRA - (11) 5555-0001")); // read again
    EXPECT_FALSE(shared::gCn().isOpen());
    EXPECT_TRUE(enabled(w, "mnufin"));
    EXPECT_FALSE(enabled(w, "mnucad"));
    EXPECT_FALSE(program::ending());
}

TEST_F(Startup, LogOffCancelledRunsTheStartupAgain) {
    addUser(QStringLiteral("ANA"), QStringLiteral("1"));
    addCompany(QStringLiteral("11444777000161"));
    frmPrincipal w;
    login(QStringLiteral("ANA"), QStringLiteral("1"));
    w.Form_Activate();
    cn.execute(QStringLiteral("UPDATE empresa SET nmemp = 'OUTRA'"));

    // Esc in the log-off login: the start-up block shows the login again.
    whenModal<frmtelainicial>([](frmtelainicial* form) {
        QTest::keyClick(form->txtUsuario, Qt::Key_Escape);
        EXPECT_TRUE(shared::gUsuario.isEmpty());
        login(QStringLiteral("ANA"), QStringLiteral("1"));
    });
    w.mnu_f10_Click();
    EXPECT_EQ(shared::gLogado, QStringLiteral("S"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("OUTRA - (11) 5555-0000"));

    // Cancelling both ends the program.
    cancelLogin();
    whenModal<frmtelainicial>([](frmtelainicial*) { cancelLogin(); });
    w.mnu_f10_Click();
    EXPECT_TRUE(program::ending());
}

TEST_F(Startup, BackgroundPictureFollowsTheFile) {
    addUser(QStringLiteral("ANA"), QStringLiteral("1"));
    addCompany(QStringLiteral("11444777000161"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("PlanoFundo.JPG")), "JPG"));
    frmPrincipal w;
    login(QStringLiteral("ANA"), QStringLiteral("1"));
    w.Form_Activate();
    EXPECT_FALSE(w.imgFundo->isHidden());
    EXPECT_EQ(w.imgFundo->geometry(), w.cmdfundo->geometry());

    // A damaged picture only hides the background.
    QFile damaged(dir.filePath(QStringLiteral("PlanoFundo.JPG")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture");
    damaged.close();
    w.Form_Activate();
    EXPECT_TRUE(w.imgFundo->isHidden());
    EXPECT_FALSE(program::ending());
}

TEST_F(Startup, LoadRemovesTheLeftOverUpdateProgram) {
    QFile leftover(dir.filePath(QStringLiteral("upbrivon.exe")));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    QFile::setPermissions(leftover.fileName(), QFile::ReadOwner);
    frmPrincipal w;
    EXPECT_FALSE(QFile::exists(leftover.fileName()));
}

TEST_F(Startup, SupportProgramOrItsDownload) {
    frmtelainicial form;
    form.show();
    form.AbreSuporte();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Morvelan Vezizuvovaz"));
    EXPECT_EQ(dialogs.shown().back().kind, QStringLiteral("document"));
    EXPECT_EQ(dialogs.shown().back().text, frmtelainicial::supportAddress());
    QFile program(dir.filePath(QStringLiteral("SUPORTE.EXE")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    QTest::keyClick(form.txtUsuario, Qt::Key_F1);
    EXPECT_EQ(dialogs.shown().back().kind, QStringLiteral("program"));
    // Typed letters become capitals; the caption scrolls.
    QTest::keyClicks(form.txtUsuario, QStringLiteral("ana"));
    EXPECT_EQ(form.txtUsuario->text(), QStringLiteral("ANA"));
    const QString caption = form.Label1->text();
    form.Timer1_Timer();
    EXPECT_EQ(form.Label1->text(), caption.mid(1) + caption.at(0));
    EXPECT_EQ(caption.size(), 101);
    form.Command2->click();
}
