#include "platform/db/connection.h"
#include "shell/settings_file.h"
#include "tests/support/test_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

constexpr char kOwnNetwork[] = "QUENDARO_OWN_NETWORK";

// Runs a program to its end; its standard output, or a test failure.
QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " " << args.join(QLatin1Char(' ')).toStdString()
                      << ":\n"
                      << process.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The server set up by the run command's own steps for the computer that
// keeps the data, in a folder of its own; stopped when the test ends.
class StationServer {
public:
    StationServer() {
        run(QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("set -euo pipefail; source \"$0/scripts/db-server.sh\"; "
                            "db_own_server \"$1/server\" \"$db_network_address\"; db_schema; "
                            "db_station_user \"$1/password\""),
             testsupport::sourceDir(), dir_.path()});
    }
    ~StationServer() {
        QFile pidFile(dir_.filePath(QStringLiteral("server/mysqld.pid")));
        if (!pidFile.open(QIODevice::ReadOnly))
            return;
        const pid_t pid = pidFile.readAll().trimmed().toInt();
        if (pid <= 0 || ::kill(pid, SIGTERM) != 0)
            return;
        for (int i = 0; i < 300 && ::kill(pid, 0) == 0; ++i)
            QThread::msleep(100);
    }
    QString password() const {
        QFile file(dir_.filePath(QStringLiteral("password")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed()
                                              : QString();
    }
    // Lines of a statement run as the server's administrator.
    QStringList admin(const QString& sql) const {
        return run(QStringLiteral("mariadb"),
                   {QStringLiteral("--no-defaults"),
                    QStringLiteral("--socket=") +
                        dir_.filePath(QStringLiteral("server/mysqld.sock")),
                    QStringLiteral("-uroot"), QStringLiteral("-N"), QStringLiteral("-B"),
                    QStringLiteral("-e"), sql})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir dir_;
};

// Logs in as the program does, to the server at 127.0.0.2; the server's
// refusal, or empty text once a table of the program's database was read.
QString programLogin(const QString& user, const QString& password) {
    db::Connection cn(settings::connectionString(
        {QStringLiteral("127.0.0.2"), password, QStringLiteral("quendaro"), user}));
    try {
        cn.open();
        cn.query(QStringLiteral("select count(*) from usuarios"));
        return QString();
    } catch (const db::DbError& e) {
        return e.text();
    }
}

} // namespace

TEST(SeveralWorkstations, ServerOptionAnswersOtherComputersOnTheProgramsDatabaseOnly) {
    if (!qEnvironmentVariableIsSet(kOwnNetwork)) {
        // The suite's own server holds 127.0.0.1:3306 here: run again in a
        // network of its own, where port 3306 is free.
        if (QProcess::execute(QStringLiteral("unshare"),
                              {QStringLiteral("-n"), QStringLiteral("true")}) != 0)
            GTEST_SKIP() << "no network namespace can be made here";
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kOwnNetwork), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        child.start(QStringLiteral("unshare"),
                    {QStringLiteral("-n"), QCoreApplication::applicationFilePath(),
                     QStringLiteral("--gtest_filter=%1.%2")
                         .arg(QString::fromLatin1(test->test_suite_name()),
                              QString::fromLatin1(test->name()))});
        ASSERT_TRUE(child.waitForFinished(300000));
        const std::string output = child.readAll().toStdString();
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
        EXPECT_EQ(child.exitCode(), 0) << output;
        return;
    }

    run(QStringLiteral("ip"), {QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("lo"),
                               QStringLiteral("up")});
    StationServer server;

    // The other computers' user: any host, a password, the program's
    // database and nothing else.
    EXPECT_EQ(server.admin(QStringLiteral("select host, authentication_string <> '' from "
                                          "mysql.user where user = 'quendaro'")),
              QStringList{QStringLiteral("%\t1")});
    EXPECT_FALSE(server.password().isEmpty());
    const QStringList grants = server.admin(QStringLiteral("SHOW GRANTS FOR 'quendaro'@'%'"));
    const QString onDatabase =
        QStringLiteral("GRANT ALL PRIVILEGES ON `quendaro`.* TO `quendaro`@`%`");
    EXPECT_TRUE(grants.contains(onDatabase)) << grants.join(QLatin1Char('\n')).toStdString();
    for (const QString& grant : grants)
        EXPECT_TRUE(grant == onDatabase || grant.startsWith(QLatin1String(
                                               "GRANT USAGE ON *.* TO `quendaro`@`%` IDENTIFIED")))
            << grant.toStdString();
    // A station gone from the network loses its session within a minute.
    EXPECT_EQ(server.admin(QStringLiteral("select @@tcp_keepalive_time, "
                                          "@@tcp_keepalive_interval, @@tcp_keepalive_probes")),
              QStringList{QStringLiteral("30\t10\t3")});
    // No account without a name answers the network.
    EXPECT_EQ(server.admin(QStringLiteral("select count(*) from mysql.user where user = ''")),
              QStringList{QStringLiteral("0")});

    // A client on this computer is seen from 127.0.0.1 whatever address it
    // dials: the same grant given to that address logs in through 127.0.0.2,
    // so the server listens beyond 127.0.0.1.
    QString sameGrant = onDatabase;
    sameGrant.replace(QStringLiteral("`quendaro`@`%`"), QStringLiteral("`estacao`@`127.0.0.1`"));
    server.admin(QStringLiteral("CREATE USER 'estacao'@'127.0.0.1' IDENTIFIED BY 'senha2'; ") +
                 sameGrant);
    server.admin(QStringLiteral("CREATE USER 'alheio'@'127.0.0.1' IDENTIFIED BY 'senha3'"));
    EXPECT_EQ(programLogin(QStringLiteral("estacao"), QStringLiteral("senha2")), QString());
    EXPECT_EQ(programLogin(QStringLiteral("quendaro"), server.password()), QString());
    // Without a grant on the database the program's connection is refused.
    EXPECT_TRUE(programLogin(QStringLiteral("alheio"), QStringLiteral("senha3"))
                    .contains(QLatin1String("Access denied")));
    EXPECT_TRUE(programLogin(QStringLiteral("quendaro"), QStringLiteral("errada"))
                    .contains(QLatin1String("Access denied")));
}
