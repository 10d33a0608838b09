#include "platform/db/connection.h"
#include "tests/support/test_database.h"

#include <gtest/gtest.h>

#include <limits>

using db::Connection;
using db::DbError;

class DbConnection : public ::testing::Test {
protected:
    void SetUp() override {
        cn.setConnectionString(testsupport::freshDatabase());
        cn.open();
        cn.execute(
            QStringLiteral("CREATE TABLE IF NOT EXISTS amostra (id INT AUTO_INCREMENT PRIMARY KEY, "
                           "nome VARCHAR(60), valor DECIMAL(15,4), dia DATE, UNIQUE KEY (nome)) "
                           "DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci"));
        cn.execute(QStringLiteral("DELETE FROM amostra"));
    }
    Connection cn;
};

TEST_F(DbConnection, TextsTravelByteExactThroughParameters) {
    const QStringList samples = {QStringLiteral("D'ÁVILA \\ CIA"), QStringLiteral("AÇÃO ÜÑ € ¼"),
                                 QStringLiteral("' OR ''='"), QStringLiteral("emoji 🚚"),
                                 QString(9000, QLatin1Char('x'))};
    cn.execute(QStringLiteral("ALTER TABLE amostra MODIFY nome TEXT, DROP KEY nome"));
    for (const QString& s : samples)
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES (?)"), {s});
    db::Recordset r = cn.query(QStringLiteral("SELECT nome FROM amostra ORDER BY id"));
    ASSERT_EQ(r.rowCount(), samples.size());
    for (const QString& s : samples) {
        EXPECT_EQ(r.text(QStringLiteral("NOME")), s);
        r.moveNext();
    }
    EXPECT_TRUE(r.eof());
    // The server compares what it stored, so a lookup by the same text finds it.
    EXPECT_EQ(
        cn.query(QStringLiteral("SELECT id FROM amostra WHERE nome = ?"), {samples[0]}).rowCount(),
        1);
}

TEST_F(DbConnection, NullsDecimalsAndDates) {
    cn.execute(
        QStringLiteral("INSERT INTO amostra (nome, valor, dia) VALUES (?, ?, ?)"),
        {db::Null{}, Decimal::parse(QStringLiteral("1.234,5678")).value(), QDate(2026, 12, 25)});
    cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('B')"));
    db::Recordset r = cn.query(QStringLiteral("SELECT * FROM amostra ORDER BY id"));
    EXPECT_TRUE(r.isNull(QStringLiteral("nome")));
    EXPECT_EQ(r.text(QStringLiteral("nome")), QString());
    EXPECT_EQ(r.decimal(QStringLiteral("valor")).toSql(), QStringLiteral("1234.5678"));
    EXPECT_EQ(r.date(QStringLiteral("dia")), QDate(2026, 12, 25));
    r.moveNext();
    EXPECT_TRUE(r.isNull(QStringLiteral("valor")));
    EXPECT_TRUE(r.decimal(QStringLiteral("valor")).isZero());
    EXPECT_EQ(r.integer(QStringLiteral("valor")), 0);
    EXPECT_FALSE(r.date(QStringLiteral("dia")).has_value());
    EXPECT_TRUE(r.find(QStringLiteral("nome"), QStringLiteral("b")));
    EXPECT_THROW(r.text(QStringLiteral("sem_coluna")), DbError);
}

TEST_F(DbConnection, BoundAmountsAreExactInTheServersArithmetic) {
    const auto amount = [](const char* sql) {
        return Decimal::fromSql(QString::fromLatin1(sql)).value();
    };
    const auto one = [&](const QString& sql, const db::Params& params) {
        return cn.query(sql, params).text(QStringLiteral("v"));
    };
    EXPECT_EQ(one(QStringLiteral("SELECT 0.3 - ? >= 0.2 AS v"), {amount("0.1")}),
              QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT ? + ? = 0.3 AS v"), {amount("0.1"), amount("0.2")}),
              QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT ? + ? AS v"), {amount("0.1"), amount("0.2")}),
              QStringLiteral("0.3000"));
    EXPECT_EQ(one(QStringLiteral("SELECT ? + 0.1 <= -0.2 AS v"), {amount("-0.3")}),
              QStringLiteral("1"));
    EXPECT_EQ(one(QStringLiteral("SELECT ? AS v"), {amount("-1.2345")}), QStringLiteral("-1.2345"));
    // Decimal's whole range, bound alone and in arithmetic.
    const Decimal largest = Decimal::fromRaw(std::numeric_limits<std::int64_t>::max());
    const Decimal smallest = Decimal::fromRaw(std::numeric_limits<std::int64_t>::min());
    for (const Decimal d : {largest, smallest}) {
        const db::Recordset r = cn.query(QStringLiteral("SELECT ? AS v, ? + 0 AS soma"), {d, d});
        EXPECT_EQ(r.text(QStringLiteral("v")), d.toSql());
        EXPECT_EQ(r.text(QStringLiteral("soma")), d.toSql());
    }
    EXPECT_EQ(one(QStringLiteral("SELECT ? - 0.0001 AS v"), {largest}),
              QStringLiteral("922337203685477.5806"));
    EXPECT_EQ(one(QStringLiteral("SELECT ? + 0.0001 AS v"), {smallest}),
              QStringLiteral("-922337203685477.5807"));

    // A balance moved by a bound amount under a ceiling, a thousand times: it
    // reaches the ceiling exactly, and not a cent past it.
    cn.execute(QStringLiteral("CREATE TABLE saldo (id INT PRIMARY KEY, x DECIMAL(15,2))"));
    cn.execute(QStringLiteral("INSERT INTO saldo VALUES (1, 123456789012.34)"));
    const Decimal step = amount("0.1");
    const Decimal ceiling = amount("123456789112.34");
    qint64 changed = 0;
    {
        db::Transaction t(cn);
        for (int i = 0; i < 1001; ++i)
            changed +=
                cn.execute(QStringLiteral("UPDATE saldo SET x = x + ? WHERE id = 1 AND x + ? <= ?"),
                           {step, step, ceiling});
        t.commit();
    }
    EXPECT_EQ(changed, 1000);
    EXPECT_EQ(cn.query(QStringLiteral("SELECT x FROM saldo")).text(QStringLiteral("x")),
              ceiling.toSql(2));
}

TEST_F(DbConnection, OnlyPlaceholdersTakeBoundValues) {
    // A "?" in a quoted text or name or in a comment is no placeholder.
    cn.execute(QStringLiteral("CREATE TABLE `tem?` (`a?` DECIMAL(15,4), b VARCHAR(20))"));
    cn.execute(QStringLiteral("INSERT INTO `tem?` (`a?`, b) VALUES (? -- o valor?\n, ?) # fim?"),
               {Decimal::fromRaw(1000), QStringLiteral("x?")});
    const db::Recordset r = cn.query(
        QStringLiteral("SELECT 'it''s ?' AS t, \"\\\"?\" AS u, b, /* ? */ 0.3 - ? >= 0.2 AS ok, "
                       "`a?` + ? = ? AS soma FROM `tem?` WHERE b = ? /*!  AND `a?` = ? */"),
        {Decimal::fromRaw(1000), Decimal::fromRaw(2000), Decimal::fromRaw(3000),
         QStringLiteral("x?"), Decimal::fromRaw(1000)});
    ASSERT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.text(QStringLiteral("t")), QStringLiteral("it's ?"));
    EXPECT_EQ(r.text(QStringLiteral("u")), QStringLiteral("\"?"));
    EXPECT_EQ(r.text(QStringLiteral("b")), QStringLiteral("x?"));
    EXPECT_EQ(r.integer(QStringLiteral("ok")), 1);
    EXPECT_EQ(r.integer(QStringLiteral("soma")), 1);
    // An executable comment's "*/" opens no comment with a "/" after it.
    EXPECT_EQ(cn.query(QStringLiteral("SELECT /*!50000 0.3 - ? */*? >= 0.2 AS ok"),
                       {Decimal::fromRaw(1000), Decimal::fromRaw(10000)})
                  .integer(QStringLiteral("ok")),
              1);
    // Amounts that cannot be matched to their placeholders are not sent.
    EXPECT_THROW(
        cn.query(QStringLiteral("SELECT ? AS a"), {Decimal::fromRaw(1000), Decimal::fromRaw(1000)}),
        DbError);
}

TEST_F(DbConnection, LastInsertIdAndAffectedRows) {
    cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('A')"));
    const qint64 first = cn.lastInsertId();
    cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('B')"));
    EXPECT_EQ(cn.lastInsertId(), first + 1);
    // Matched rows count even when nothing changes.
    EXPECT_EQ(cn.execute(QStringLiteral("UPDATE amostra SET nome = nome WHERE id = ?"), {first}),
              1);
    EXPECT_EQ(
        cn.execute(QStringLiteral("UPDATE amostra SET nome = 'C' WHERE id = ?"), {qint64(-1)}), 0);
}

TEST_F(DbConnection, ErrorsCarryTheServerNumberWithoutTheDriverTags) {
    cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('A')"));
    try {
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES (?)"), {QStringLiteral("A")});
        FAIL() << "duplicate accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), 1062);
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Duplicate entry"))) << e.text();
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- REGISTRO JÁ CADASTRADO!"));
    }
    try {
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES (?)"), {QString(61, 'x')});
        FAIL() << "long text accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), 1406);
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- TEXTO MAIOR QUE O CAMPO PERMITE!"));
    }
    try {
        cn.query(QStringLiteral("SELECT * FROM nao_existe"));
        FAIL();
    } catch (const DbError& e) {
        // The database is no business of the user's.
        EXPECT_EQ(e.number(), 1146);
        EXPECT_EQ(e.message(),
                  QStringLiteral("--- ERRO --- 1146 - Table 'nao_existe' doesn't exist"));
    }
    // A value its column cannot hold, refused by the server or read back too
    // wide for the decimal, is told the same way.
    try {
        cn.execute(QStringLiteral("INSERT INTO amostra (nome, valor) VALUES ('B', ?)"),
                   {Decimal::fromInt(100000000000)});
        FAIL() << "out of range accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), DbError::kOutOfRange);
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!"));
    }
    const db::Recordset sums = cn.query(
        QStringLiteral("SELECT 99999999999999.9999 * 10 AS larga, 922337203685477.5807 AS justa, "
                       "'abc' AS texto"));
    EXPECT_EQ(sums.decimal(QStringLiteral("justa")).raw(), INT64_MAX);
    EXPECT_TRUE(sums.decimal(QStringLiteral("texto")).isZero());
    try {
        sums.decimal(QStringLiteral("larga"));
        FAIL() << "a sum too wide read as a number";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), DbError::kOutOfRange);
        EXPECT_EQ(e.message(), QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!"));
    }
    // The connection goes on working after a failure.
    EXPECT_EQ(cn.query(QStringLiteral("SELECT 1 AS um")).integer(QStringLiteral("um")), 1);
}

TEST_F(DbConnection, TransactionRollsBackUnlessCommitted) {
    {
        db::Transaction t(cn);
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('A')"));
    }
    EXPECT_EQ(cn.query(QStringLiteral("SELECT * FROM amostra")).rowCount(), 0);
    try {
        db::Transaction t(cn);
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('A')"));
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('A')"));
        t.commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ(cn.query(QStringLiteral("SELECT * FROM amostra")).rowCount(), 0);
    {
        db::Transaction t(cn);
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('A')"));
        t.commit();
    }
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(cn.query(QStringLiteral("SELECT * FROM amostra")).rowCount(), 1);
}

TEST_F(DbConnection, AStatementOpensAClosedConnection) {
    cn.close();
    EXPECT_FALSE(cn.isOpen());
    EXPECT_EQ(cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('A')")), 1);
    EXPECT_TRUE(cn.isOpen());
    cn.close();
    EXPECT_EQ(cn.query(QStringLiteral("SELECT nome FROM amostra")).text(QStringLiteral("nome")),
              QStringLiteral("A"));
    cn.close();
    {
        db::Transaction t(cn);
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('B')"));
        t.commit();
    }
    EXPECT_EQ(cn.query(QStringLiteral("SELECT * FROM amostra")).rowCount(), 2);
    // Closed inside a transaction: the transaction is over and says so.
    try {
        db::Transaction t(cn);
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('C')"));
        cn.close();
        cn.execute(QStringLiteral("INSERT INTO amostra (nome) VALUES ('D')"));
        t.commit();
        FAIL() << "the transaction went on after its connection closed";
    } catch (const DbError& e) {
        EXPECT_EQ(e.loss(), db::Loss::Transaction);
    }
    EXPECT_FALSE(cn.inTransaction());
    EXPECT_EQ(cn.query(QStringLiteral("SELECT * FROM amostra")).rowCount(), 2);
}

TEST_F(DbConnection, UnreachableServerAndRefusedLogin) {
    // Nothing listens on port 1.
    Connection down(QStringLiteral("Driver={MySQL ODBC 8.0 ANSI Driver};Server=127.0.0.1;Port=1;"
                                   "Database=;User=ninguem;Password=x;Option=3;"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            down.query(QStringLiteral("SELECT 1"));
            FAIL();
        } catch (const DbError& e) {
            EXPECT_EQ(e.loss(), db::Loss::ServerDown);
            EXPECT_EQ(
                e.message(),
                QStringLiteral(
                    "--- ERRO --- SERVIDOR DE BANCO DE DADOS INDISPONÍVEL! TENTE NOVAMENTE."));
        }
        EXPECT_FALSE(down.isOpen());
    }

    Connection wrong(QStringLiteral("Driver={MySQL ODBC 8.0 ANSI Driver};Server=127.0.0.1;"
                                    "Database=;User=ninguem;Password=x;Option=3;"));
    try {
        wrong.open();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), 1045);
        EXPECT_EQ(e.loss(), db::Loss::None);
    }
    EXPECT_FALSE(wrong.isOpen());
}

TEST_F(DbConnection, RowsComeWholeAcrossBlocksWithLongValuesAndNulls) {
    cn.execute(QStringLiteral("CREATE TABLE bloco (id INT PRIMARY KEY, nome VARCHAR(60), "
                              "texto TEXT, longo MEDIUMTEXT, valor DECIMAL(15,4), dia DATE, "
                              "momento DATETIME) "
                              "DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci"));
    cn.execute(QStringLiteral(
        "INSERT INTO bloco SELECT seq, IF(seq % 7 = 0, NULL, CONCAT('AÇÃO ', seq)), "
        "IF(seq % 500 = 0, REPEAT('é', 9000 + seq), IF(seq % 3 = 0, NULL, CONCAT('obs ', seq))), "
        "IF(seq % 400 = 0, REPEAT('ü', 20000 + seq), CONCAT('longo ', seq)), "
        "seq / 4, '2024-01-01' + INTERVAL seq DAY, '2024-01-01 10:00:00' + INTERVAL seq SECOND "
        "FROM seq_1_to_2500"));
    // Every column the query has, checked in row `row` against the row `n` made.
    const auto expect = [](const db::Recordset& r, qsizetype row, int n) {
        const auto at = [&](const char* name) {
            return r.textAt(row, r.columnIndex(QString::fromLatin1(name)));
        };
        EXPECT_EQ(at("id"), QString::number(n));
        EXPECT_EQ(r.isNullAt(row, r.columnIndex(QStringLiteral("nome"))), n % 7 == 0) << n;
        EXPECT_EQ(at("nome"), n % 7 == 0 ? QString() : QStringLiteral("AÇÃO %1").arg(n));
        EXPECT_EQ(r.isNullAt(row, r.columnIndex(QStringLiteral("texto"))),
                  n % 500 != 0 && n % 3 == 0)
            << n;
        EXPECT_EQ(at("texto"), n % 500 == 0 ? QString(9000 + n, QChar(0xE9))
                               : n % 3 == 0 ? QString()
                                            : QStringLiteral("obs %1").arg(n));
        if (r.columnIndex(QStringLiteral("longo")) >= 0) {
            EXPECT_EQ(at("longo"), n % 400 == 0 ? QString(20000 + n, QChar(0xFC))
                                                : QStringLiteral("longo %1").arg(n));
        }
        EXPECT_EQ(at("valor"), Decimal::fromRaw(n * 2500).toSql(4)) << n;
        EXPECT_EQ(at("dia"), QDate(2024, 1, 1).addDays(n).toString(Qt::ISODate));
        EXPECT_EQ(at("momento"), QDateTime(QDate(2024, 1, 1), QTime(10, 0))
                                     .addSecs(n)
                                     .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    };
    // A column too long for a block brings the rows one by one; without it
    // they come in blocks; then the same through a statement with bound values.
    const QString shortColumns = QStringLiteral("id, nome, texto, valor, dia, momento");
    for (const QString& columns : {QStringLiteral("*"), shortColumns}) {
        const db::Recordset all =
            cn.query(QStringLiteral("SELECT %1 FROM bloco ORDER BY id").arg(columns));
        ASSERT_EQ(all.rowCount(), 2500) << columns.toStdString();
        for (int n = 1; n <= 2500; ++n)
            expect(all, n - 1, n);
    }
    const db::Recordset some =
        cn.query(QStringLiteral("SELECT %1 FROM bloco WHERE id > ? ORDER BY id").arg(shortColumns),
                 {qint64(1490)});
    ASSERT_EQ(some.rowCount(), 1010);
    for (int n = 1491; n <= 2500; ++n)
        expect(some, n - 1491, n);
}
