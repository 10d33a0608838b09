#pragma once

#include "platform/db/connection.h"
#include "shell/shared_state.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"
#include "tests/support/typing.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace regtest {

// One database per test program; each test (or a table-driven case calling
// SetUp again) starts from empty tables, a logged-in user and scripted dialogs.
class RegisterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { connection() = testsupport::freshDatabase(); }

    void SetUp() override {
        shared::gConexao = connection();
        shared::gUsuario = QStringLiteral("TESTE");
        dialogs.clear();
        shared::fechaConexao();
        cn.close();
        cn.setConnectionString(shared::gConexao);
        cn.open();
        for (const char* table :
             {"grupoestoque", "cliente", "fornecedores", "vendedores", "produtos", "perfilusuario"})
            cn.execute(QStringLiteral("TRUNCATE TABLE %1").arg(QLatin1String(table)));
    }

    void TearDown() override { shared::fechaConexao(); }

    // The first column of the first row, or "<none>".
    QString value(const QString& sql, const db::Params& params = {}) {
        const db::Recordset r = cn.query(sql, params);
        return r.isEmpty() ? QStringLiteral("<none>") : r.textAt(0, 0);
    }
    qint64 count(const QString& table) {
        return value(QStringLiteral("select count(*) from %1").arg(table)).toLongLong();
    }

    static QString& connection() {
        static QString s;
        return s;
    }

    db::Connection cn;
    testsupport::ScriptedDialogs dialogs;
};

// Kept for the order tests that still type through it.
inline void typeText(QWidget* target, const QString& text) {
    testsupport::type(target, text);
}

// The texts of a model's column, top to bottom.
inline QStringList columnTexts(const QAbstractItemModel* model, int column) {
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, column).data().toString();
    return out;
}

} // namespace regtest
