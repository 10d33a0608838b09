#pragma once

#include "platform/db/connection.h"
#include "shell/shared_state.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>

namespace testsupport {

// One database per test program, made once; each test starts from the
// tables it names emptied, a logged-in user, the shared connection closed
// and scripted dialogs. `cn` reads what the windows wrote.
template <typename Base = ::testing::Test> class DatabaseTestOf : public Base {
protected:
    static void SetUpTestSuite() { connection() = freshDatabase(); }

    void startClean(const QString& user, std::initializer_list<const char*> tables) {
        shared::gConexao = connection();
        shared::gUsuario = user;
        shared::gCodigoPesquisa.clear();
        shared::gNomePesquisa.clear();
        dialogs.clear();
        shared::fechaConexao();
        cn.close();
        cn.setConnectionString(shared::gConexao);
        cn.open();
        for (const char* table : tables)
            cn.execute(QStringLiteral("TRUNCATE TABLE %1").arg(QLatin1String(table)));
    }

    void TearDown() override {
        shared::fechaConexao();
        Base::TearDown();
    }

    // The first column of the first row, or "<none>".
    QString value(const QString& sql, const db::Params& params = {}) {
        const db::Recordset r = cn.query(sql, params);
        return r.isEmpty() ? QStringLiteral("<none>") : r.textAt(0, 0);
    }
    // Every row, its columns joined by "|".
    QStringList rows(const QString& sql, const db::Params& params = {}) {
        const db::Recordset r = cn.query(sql, params);
        QStringList out;
        for (qsizetype row = 0; row < r.rowCount(); ++row) {
            QStringList cells;
            for (int c = 0; c < r.columnCount(); ++c)
                cells << r.textAt(row, c);
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    qint64 count(const QString& table) {
        return value(QStringLiteral("select count(*) from %1").arg(table)).toLongLong();
    }

    static QString& connection() {
        static QString s;
        return s;
    }

    db::Connection cn;
    ScriptedDialogs dialogs;
};

using DatabaseTest = DatabaseTestOf<>;

// The texts of a model's column, top to bottom.
inline QStringList columnTexts(const QAbstractItemModel* model, int column) {
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, column).data().toString();
    return out;
}

} // namespace testsupport
