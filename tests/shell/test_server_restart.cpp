#include "shell/frmcadusuario.h"
#include "shell/shared_work.h"
#include "shell/user_accounts.h"
#include "tests/shell/window_database_test.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <thread>

namespace {

const QString kDown =
    QStringLiteral("--- ERRO --- SERVIDOR DE BANCO DE DADOS INDISPONÍVEL! TENTE NOVAMENTE.");

// Stops and starts the test server itself, through the script that started
// it; the test runs alone (RUN_SERIAL), so no other test loses its server.
class ServerRestart : public WindowDatabaseTest {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QUENDARO_TEST_DB_CONTROL"))
            GTEST_SKIP() << "the test server is not this run's to restart";
        WindowDatabaseTest::SetUp();
    }
    void TearDown() override {
        if (down_)
            server("start");
        WindowDatabaseTest::TearDown();
    }

    void server(const char* action) {
        ASSERT_EQ(QProcess::execute(qEnvironmentVariable("QUENDARO_TEST_DB_CONTROL"),
                                    {QString::fromLatin1(action)}),
                  0)
            << action;
        down_ = qstrcmp(action, "stop") == 0;
    }
    // Stops the server once a write of another session waits for a row lock.
    void stopDuringTheWait() {
        db::Connection watch(shared::gConexao);
        QElapsedTimer waited;
        waited.start();
        while (watch
                   .query(QStringLiteral("select trx_id from information_schema.innodb_trx "
                                         "where trx_state = 'LOCK WAIT'"))
                   .rowCount() == 0) {
            ASSERT_LT(waited.elapsed(), 10000);
            // The server refreshes this table only when it was left unread for 0.1 s.
            QThread::msleep(200);
        }
        watch.close();
        server("stop");
    }

    static void lookUp(frmcadusuario& form, const QString& name) {
        form.Combo1->setEditText(name);
        form.Combo1_LostFocus();
    }
    static void save(frmcadusuario& form, const QString& name) {
        lookUp(form, name);
        form.txtsenha->setText(QStringLiteral("S1"));
        form.txtoksenha->setText(QStringLiteral("S1"));
        form.Command1_Click();
    }
    QStringList users() { return users::names(check); }

    bool down_ = false;
};

} // namespace

TEST_F(ServerRestart, AnOpenWindowGoesOnAfterARestartAndWhileTheServerIsDown) {
    users::save(check, QStringLiteral("ANA"), QStringLiteral("A1"), {}, {});
    frmcadusuario form;
    form.show();
    lookUp(form, QStringLiteral("ANA"));
    ASSERT_EQ(form.txtsenha->text(), QStringLiteral("A1"));

    server("stop");
    server("start");
    form.txtsenha->clear();
    lookUp(form, QStringLiteral("ANA"));
    EXPECT_EQ(form.txtsenha->text(), QStringLiteral("A1"));
    EXPECT_TRUE(dialogs.shown().empty());
    save(form, QStringLiteral("BIA"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});

    // Down: one message per action, and the window stays usable.
    server("stop");
    dialogs.clear();
    lookUp(form, QStringLiteral("ANA"));
    EXPECT_EQ(dialogs.texts(), QStringList{kDown});
    EXPECT_EQ(form.List1->count(), 0);
    // A look-up that failed lets nothing be saved: one more message only.
    save(form, QStringLiteral("CAIO"));
    EXPECT_EQ(dialogs.texts(), (QStringList{kDown, kDown}));
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_TRUE(form.isEnabled());

    server("start");
    dialogs.clear();
    save(form, QStringLiteral("CAIO"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(users(),
              (QStringList{QStringLiteral("ANA"), QStringLiteral("BIA"), QStringLiteral("CAIO")}));
}

TEST_F(ServerRestart, AWriteCutByTheStopSaysSoAndLeavesNoRow) {
    // Another session holds the key, so each write waits at the server when
    // the stop comes.
    auto holdKey = [] {
        auto holder = std::make_unique<db::Connection>(shared::gConexao);
        holder->beginTransaction();
        holder->execute(
            QStringLiteral("insert into usuarios (nmusuario, ususenha) values ('CAIO', '')"));
        return holder;
    };

    {
        const auto holder = holdKey();
        std::thread stopper([this] { stopDuringTheWait(); });
        EXPECT_FALSE(shared::withConnection(nullptr, [](db::Connection& cn) {
            cn.execute(
                QStringLiteral("insert into usuarios (nmusuario, ususenha) values ('CAIO', 'x')"));
        }));
        stopper.join();
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(
                                       "--- ERRO --- CONEXÃO COM O SERVIDOR PERDIDA! CONSULTE OS "
                                       "DADOS ANTES DE REPETIR.")});
        server("start");
    }
    EXPECT_TRUE(users().isEmpty());

    // A window's save in a transaction.
    frmcadusuario form;
    form.show();
    dialogs.clear();
    {
        const auto holder = holdKey();
        std::thread stopper([this] { stopDuringTheWait(); });
        save(form, QStringLiteral("CAIO"));
        stopper.join();
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(
                                       "--- ERRO --- CONEXÃO COM O SERVIDOR PERDIDA! NADA FOI "
                                       "GRAVADO. TENTE NOVAMENTE.")});
        server("start");
    }
    EXPECT_TRUE(users().isEmpty());
    EXPECT_EQ(check.query(QStringLiteral("select count(*) as n from perfilusuario"))
                  .integer(QStringLiteral("n")),
              0);
    dialogs.clear();
    save(form, QStringLiteral("CAIO"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Salvo com sucesso!")});
    EXPECT_EQ(users(), QStringList{QStringLiteral("CAIO")});
}
