#include "platform/db/loaded_row.h"
#include "platform/db/unit_of_work.h"
#include "tests/support/test_database.h"

#include <QElapsedTimer>
#include <QThread>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using db::Connection;
using db::DbError;

namespace {

class UnitOfWork : public ::testing::Test {
protected:
    void SetUp() override {
        cn.setConnectionString(testsupport::freshDatabase());
        cn.open();
        cn.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS conta (id INT PRIMARY KEY, saldo "
                                  "INT NOT NULL) ENGINE=InnoDB"));
        cn.execute(QStringLiteral("DELETE FROM conta"));
        cn.execute(
            QStringLiteral("INSERT INTO conta VALUES (1, 0), (2, 0), (3, 0), (4, 0), (5, 0), "
                           "(6, 0), (7, 0), (8, 0)"));
        other.setConnectionString(cn.connectionString());
        other.open();
    }
    QStringList saldos() {
        const db::Recordset r =
            other.query(QStringLiteral("SELECT saldo FROM conta WHERE id <= 2 ORDER BY id"));
        return {r.textAt(0, 0), r.textAt(1, 0)};
    }
    // A table whose text column takes NULL and compares blind to case.
    void emptyFicha() {
        cn.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS ficha (id INT PRIMARY KEY, nome "
                                  "VARCHAR(20) NULL) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 "
                                  "COLLATE=utf8mb4_general_ci"));
        cn.execute(QStringLiteral("DELETE FROM ficha"));
    }
    void add(Connection& c, int id, int value) {
        c.execute(QStringLiteral("UPDATE conta SET saldo = saldo + ? WHERE id = ?"),
                  {qint64(value), qint64(id)});
    }

    Connection cn;
    Connection other;
};

} // namespace

TEST_F(UnitOfWork, ADeadlockLoserRunsAgainFromItsStartAndSucceeds) {
    // The rival locks row 2 (and more, so the server picks the unit as the
    // loser), the unit row 1; then each asks for the other's row.
    std::promise<void> rivalHoldsTwo;
    std::promise<void> unitHoldsOne;
    std::optional<DbError> rivalFailed;
    std::thread rival([&] {
        try {
            db::Transaction t(other);
            other.execute(QStringLiteral("UPDATE conta SET saldo = saldo + 10 WHERE id >= 2"));
            rivalHoldsTwo.set_value();
            unitHoldsOne.get_future().wait();
            add(other, 1, 10);
            t.commit();
        } catch (const DbError& e) {
            rivalFailed = e;
        }
    });
    int runs = 0;
    db::unitOfWork(cn, [&](db::Transaction& t) {
        ++runs;
        add(cn, 1, 1);
        if (runs == 1) {
            rivalHoldsTwo.get_future().wait();
            unitHoldsOne.set_value();
        }
        add(cn, 2, 1);
        t.commit();
    });
    rival.join();
    ASSERT_FALSE(rivalFailed) << rivalFailed->message().toStdString();
    EXPECT_EQ(runs, 2);
    // The first run left nothing behind: each row got one unit and one rival.
    EXPECT_EQ(saldos(), (QStringList{QStringLiteral("11"), QStringLiteral("11")}));
}

TEST_F(UnitOfWork, ALockThatStaysHeldEndsInTheBusyMessage) {
    db::Transaction holding(other);
    add(other, 1, 5);
    cn.execute(QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1"));
    int runs = 0;
    try {
        db::unitOfWork(cn, [&](db::Transaction& t) {
            ++runs;
            add(cn, 2, 1);
            add(cn, 1, 1);
            t.commit();
        });
        ADD_FAILURE() << "the unit went through a held lock";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), 1205);
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- REGISTRO EM USO POR OUTRO USUÁRIO! "
                                              "TENTE NOVAMENTE."));
    }
    EXPECT_EQ(runs, 4);
    holding.commit();
    // Row 2 was rolled back with each run.
    EXPECT_EQ(saldos(), (QStringList{QStringLiteral("5"), QStringLiteral("0")}));
}

TEST_F(UnitOfWork, ALostConnectionEndsTheUnitWithNothingSaved) {
    const qint64 session =
        cn.query(QStringLiteral("SELECT CONNECTION_ID() AS id")).integer(QStringLiteral("id"));
    int runs = 0;
    try {
        db::unitOfWork(cn, [&](db::Transaction& t) {
            ++runs;
            add(cn, 1, 1);
            other.execute(QStringLiteral("KILL CONNECTION %1").arg(session));
            add(cn, 2, 1);
            t.commit();
        });
        ADD_FAILURE() << "the unit went on without its connection";
    } catch (const DbError& e) {
        EXPECT_EQ(e.loss(), db::Loss::Transaction);
    }
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(saldos(), (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
    // The next unit opens the connection again.
    db::unitOfWork(cn, [&](db::Transaction& t) {
        add(cn, 1, 1);
        t.commit();
    });
    EXPECT_EQ(saldos(), (QStringList{QStringLiteral("1"), QStringLiteral("0")}));
}

// A save writes over a row only while it is stored byte for byte as loaded:
// NULL is not empty text, and letter case and trailing blanks count, which
// the table's own comparison ignores.
TEST_F(UnitOfWork, SaveOverLoadedWritesOnlyOverTheRowAsLoaded) {
    emptyFicha();
    cn.execute(QStringLiteral("INSERT INTO ficha VALUES (1, NULL)"));
    const Statement stored{QStringLiteral("SELECT * FROM ficha WHERE id = 1 FOR UPDATE"), {}};
    const auto nome = [this] {
        const db::Recordset r = other.query(QStringLiteral("SELECT nome FROM ficha"));
        return r.isEmpty()        ? QStringLiteral("<none>")
               : r.isNullAt(0, 0) ? QStringLiteral("<null>")
                                  : r.textAt(0, 0);
    };
    const auto write = [](Connection& c) {
        c.execute(QStringLiteral("REPLACE INTO ficha VALUES (1, 'ESCRITO')"));
    };
    struct Case {
        const char* meanwhile; // by the other station, after the load
        db::Overwrite outcome;
        QString after;
    };
    const Case cases[] = {
        {"UPDATE ficha SET nome = ''", db::Overwrite::Changed, QString()},
        {"UPDATE ficha SET nome = 'abc'", db::Overwrite::Changed, QStringLiteral("abc")},
        {"UPDATE ficha SET nome = 'ABC'", db::Overwrite::Changed, QStringLiteral("ABC")},
        {"UPDATE ficha SET nome = 'ABC '", db::Overwrite::Changed, QStringLiteral("ABC ")},
        {"UPDATE ficha SET id = id", db::Overwrite::Saved, QStringLiteral("ESCRITO")},
        // Writing what is stored already is a save, not a conflict.
        {"UPDATE ficha SET id = id", db::Overwrite::Saved, QStringLiteral("ESCRITO")},
        {"DELETE FROM ficha", db::Overwrite::Gone, QStringLiteral("<none>")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meanwhile);
        const db::LoadedRow loaded =
            db::LoadedRow::of(cn.query(QStringLiteral("SELECT * FROM ficha WHERE id = 1")));
        other.execute(QString::fromLatin1(c.meanwhile));
        const db::SaveOver result = db::saveOverLoaded(cn, stored, loaded, write);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(nome(), c.after);
        if (c.outcome != db::Overwrite::Gone) {
            EXPECT_EQ(result.stored.text(QStringLiteral("nome")), nome());
        }
    }
    // A window that found no row writes only while there is still none.
    EXPECT_EQ(db::saveOverLoaded(cn, stored, db::LoadedRow::none(), write).outcome,
              db::Overwrite::Saved);
    EXPECT_EQ(db::saveOverLoaded(cn, stored, db::LoadedRow::none(), write).outcome,
              db::Overwrite::Changed);
    // Nothing loaded: no stored row is the one loaded.
    EXPECT_EQ(db::saveOverLoaded(cn, stored, db::LoadedRow(), write).outcome,
              db::Overwrite::Changed);
}

// Several rows hold while the same rows, in any order, are stored as loaded;
// a row changed, added or taken away does not.
TEST_F(UnitOfWork, LoadedRowsHoldOnlyWhileEveryRowIsAsLoaded) {
    emptyFicha();
    const auto outcome = [this](const db::LoadedRows& loaded) {
        db::Transaction t(cn);
        return db::checkLoaded(cn,
                               {QStringLiteral("SELECT * FROM ficha ORDER BY id DESC FOR "
                                               "UPDATE"),
                                {}},
                               loaded)
            .outcome;
    };
    const char* meanwhile[] = {
        "UPDATE ficha SET nome = 'a' WHERE id = 2", "UPDATE ficha SET nome = '' WHERE id = 1",
        "INSERT INTO ficha VALUES (3, 'B')", "DELETE FROM ficha WHERE id = 1"};
    for (const char* change : meanwhile) {
        SCOPED_TRACE(change);
        cn.execute(QStringLiteral("DELETE FROM ficha"));
        cn.execute(QStringLiteral("INSERT INTO ficha VALUES (1, NULL), (2, 'A')"));
        const db::LoadedRows loaded =
            db::LoadedRows::of(cn.query(QStringLiteral("SELECT * FROM ficha ORDER BY id")));
        EXPECT_EQ(outcome(loaded), db::Overwrite::Saved);
        other.execute(QString::fromLatin1(change));
        EXPECT_EQ(outcome(loaded), db::Overwrite::Changed);
    }
    cn.execute(QStringLiteral("DELETE FROM ficha"));
    const db::LoadedRows none = db::LoadedRows::of(cn.query(QStringLiteral("SELECT * FROM ficha")));
    EXPECT_EQ(outcome(none), db::Overwrite::Saved);
    EXPECT_EQ(outcome(db::LoadedRows()), db::Overwrite::Gone);
    other.execute(QStringLiteral("INSERT INTO ficha VALUES (1, 'A')"));
    EXPECT_EQ(outcome(none), db::Overwrite::Changed);
    const db::LoadedRows one = db::LoadedRows::of(cn.query(QStringLiteral("SELECT * FROM ficha")));
    other.execute(QStringLiteral("DELETE FROM ficha"));
    EXPECT_EQ(outcome(one), db::Overwrite::Gone);
}
