#include "platform/db/connection.h"
#include "platform/db/data_control.h"
#include "platform/db/wait_bounds.h"
#include "tests/support/tcp_relay.h"
#include "tests/support/test_database.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

using db::Connection;
using db::DbError;
using db::Loss;

namespace {

// The server ends the sessions as a restart or a network failure would; the
// connections only find out when they next talk to it.
class LostConnection : public ::testing::Test {
protected:
    void SetUp() override {
        admin.setConnectionString(testsupport::freshDatabase());
        admin.open();
        admin.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS amostra (nome VARCHAR(20) "
                                     "PRIMARY KEY) ENGINE=InnoDB"));
        admin.execute(QStringLiteral("DELETE FROM amostra"));
        cn.setConnectionString(admin.connectionString());
        cn.open();
    }

    static qint64 sessionOf(Connection& c) {
        return c.query(QStringLiteral("SELECT CONNECTION_ID() AS id"))
            .integer(QStringLiteral("id"));
    }
    // Waits until the server has dropped the session.
    void kill(qint64 session) {
        admin.execute(QStringLiteral("KILL CONNECTION %1").arg(session));
        QElapsedTimer waited;
        waited.start();
        while (admin
                   .query(QStringLiteral("SELECT id FROM information_schema.processlist WHERE "
                                         "id = ?"),
                          {session})
                   .rowCount() > 0) {
            ASSERT_LT(waited.elapsed(), 10000);
            QThread::msleep(10);
        }
    }
    // Waits until the session is waiting for a row lock.
    void awaitLockWait(qint64 session) {
        QElapsedTimer waited;
        waited.start();
        while (admin
                   .query(QStringLiteral("SELECT trx_id FROM information_schema.innodb_trx WHERE "
                                         "trx_mysql_thread_id = ? AND trx_state = 'LOCK WAIT'"),
                          {session})
                   .rowCount() == 0) {
            ASSERT_LT(waited.elapsed(), 10000);
            // The server refreshes this table only when it was left unread for 0.1 s.
            QThread::msleep(200);
        }
    }
    qint64 rows() {
        return admin.query(QStringLiteral("SELECT COUNT(*) AS n FROM amostra"))
            .integer(QStringLiteral("n"));
    }
    static QString insert(const char* nome) {
        return QStringLiteral("INSERT INTO amostra (nome) VALUES ('%1')").arg(QLatin1String(nome));
    }

    Connection admin;
    Connection cn;
};

} // namespace

TEST_F(LostConnection, ReadsAndUnsentWritesGoOnSilently) {
    const qint64 first = sessionOf(cn);
    kill(first);
    // A read runs again on a new connection.
    EXPECT_EQ(rows(), 0);
    EXPECT_NE(sessionOf(cn), first);
    // A write finds the connection gone before sending anything, and opens it.
    kill(sessionOf(cn));
    EXPECT_EQ(cn.execute(insert("A")), 1);
    // So does a transaction begun after the loss.
    kill(sessionOf(cn));
    {
        db::Transaction t(cn);
        cn.execute(insert("B"));
        t.commit();
    }
    EXPECT_EQ(rows(), 2);

    // A list's own connection alike.
    db::DataControl list;
    list.setConnectionString(admin.connectionString());
    list.setRecordSource(QStringLiteral("SELECT nome FROM amostra ORDER BY nome"));
    list.refresh();
    const db::Recordset others =
        admin.query(QStringLiteral("SELECT id FROM information_schema.processlist WHERE db = "
                                   "DATABASE() AND id <> CONNECTION_ID()"));
    for (qsizetype row = 0; row < others.rowCount(); ++row)
        kill(others.textAt(row, 0).toLongLong());
    admin.execute(insert("C"));
    list.refresh();
    EXPECT_EQ(list.recordset().rowCount(), 3);
}

TEST_F(LostConnection, AWriteLostOnTheWayMayHaveBeenDone) {
    // A second session holds the key, so the write waits at the server.
    Connection holder(admin.connectionString());
    holder.open();
    db::Transaction holding(holder);
    holder.execute(insert("A"));
    const qint64 session = sessionOf(cn);
    std::thread killer([&] {
        awaitLockWait(session);
        kill(session);
    });
    try {
        cn.execute(insert("A"));
        ADD_FAILURE() << "the write went through";
    } catch (const DbError& e) {
        EXPECT_EQ(e.loss(), Loss::Write);
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- CONEXÃO COM O SERVIDOR PERDIDA! "
                                              "CONSULTE OS DADOS ANTES DE REPETIR."));
    }
    killer.join();
    EXPECT_FALSE(cn.isOpen());
    // The next statement opens again.
    EXPECT_EQ(cn.execute(insert("B")), 1);
    EXPECT_EQ(rows(), 1);
}

TEST_F(LostConnection, ATransactionLostBeforeOrDuringCommit) {
    // Before COMMIT: the server rolled back, nothing runs on in autocommit.
    try {
        db::Transaction t(cn);
        cn.execute(insert("A"));
        kill(sessionOf(cn));
        cn.execute(insert("B"));
        t.commit();
        ADD_FAILURE() << "the transaction went on";
    } catch (const DbError& e) {
        EXPECT_EQ(e.loss(), Loss::Transaction);
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- CONEXÃO COM O SERVIDOR PERDIDA! NADA "
                                              "FOI GRAVADO. TENTE NOVAMENTE."));
    }
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(rows(), 0);

    // During COMMIT: it may have been committed; here the server never got it.
    try {
        db::Transaction t(cn);
        cn.execute(insert("A"));
        kill(sessionOf(cn));
        t.commit();
        ADD_FAILURE() << "the commit went through";
    } catch (const DbError& e) {
        EXPECT_EQ(e.loss(), Loss::Commit);
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- CONEXÃO PERDIDA AO CONFIRMAR A "
                                              "GRAVAÇÃO! CONSULTE OS DADOS ANTES DE REPETIR."));
    }
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(rows(), 0);

    // The key of an insert is not asked of another connection.
    cn.execute(insert("A"));
    kill(sessionOf(cn));
    try {
        cn.lastInsertId();
        ADD_FAILURE() << "a key read on a new connection";
    } catch (const DbError& e) {
        EXPECT_EQ(e.loss(), Loss::Write);
    }
    EXPECT_EQ(
        cn.query(QStringLiteral("SELECT COUNT(*) AS n FROM amostra")).integer(QStringLiteral("n")),
        1);
}

TEST_F(LostConnection, ALockWaitEndsAsABusyRowAndASilentServerAsALoss) {
    // Bounds of a few seconds instead of the program's.
    db::setWaitBounds({.lockWait = 1, .statement = 3, .longStatement = 3, .connect = 2});
    const auto restore = qScopeGuard([] { db::setWaitBounds({}); });
    testsupport::TcpRelay cable;
    Connection station(cable.through(admin.connectionString()));

    // Another station's lock: the server gives up first, and the connection
    // stays.
    {
        Connection holder(admin.connectionString());
        db::Transaction holding(holder);
        holder.execute(insert("A"));
        try {
            station.execute(insert("A"));
            ADD_FAILURE() << "the write went through";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.isLockConflict()) << e.text().toStdString();
            EXPECT_EQ(e.loss(), Loss::None);
        }
        EXPECT_TRUE(station.isOpen());
    }

    // The cable pulled while a statement of a transaction is on its way: no
    // answer within the bound, the transaction is over and nothing is kept.
    cable.cutAt("VALUES ('C')");
    try {
        db::Transaction t(station);
        station.execute(insert("B"));
        station.execute(insert("C"));
        t.commit();
        ADD_FAILURE() << "the transaction went on";
    } catch (const DbError& e) {
        EXPECT_EQ(e.loss(), Loss::Transaction);
    }
    EXPECT_FALSE(station.isOpen());
    // Meanwhile nothing answers at all.
    EXPECT_THROW(station.query(QStringLiteral("SELECT 1")), DbError);
    // Once the cable is back, the next statement connects again.
    cable.mend();
    EXPECT_EQ(station.query(QStringLiteral("SELECT COUNT(*) AS n FROM amostra"))
                  .integer(QStringLiteral("n")),
              0);
}
