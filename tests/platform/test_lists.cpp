#include "platform/busy_guard.h"
#include "platform/data_grid.h"
#include "platform/db/data_control.h"
#include "platform/http_client.h"
#include "tests/support/http_server.h"
#include "tests/support/test_database.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(DataControl, RefreshReadsTheRecordSourceOnItsOwnConnection) {
    db::Connection cn(testsupport::freshDatabase());
    cn.open();
    cn.execute(
        QStringLiteral("INSERT INTO grupoestoque (dsgrupo) VALUES ('PARAFUSOS'), ('TINTAS')"));
    db::DataControl list;
    list.setConnectionString(cn.connectionString());
    list.setRecordSource(QStringLiteral("SELECT cdgrupo, dsgrupo FROM grupoestoque WHERE dsgrupo "
                                        "LIKE CONCAT('%', ?, '%') ORDER BY cdgrupo"),
                         {QStringLiteral("TIN")});
    list.refresh();
    db::RecordsetModel* model = list.model();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), QStringLiteral("TINTAS"));
    model->setHeadings({QStringLiteral("Código"), QStringLiteral("Descrição")});
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Descrição"));

    // A failed refresh keeps the rows shown.
    list.setRecordSource(QStringLiteral("SELECT * FROM nao_existe"));
    EXPECT_THROW(list.refresh(), db::DbError);
    EXPECT_EQ(model->rowCount(), 1);
    list.close();
    EXPECT_EQ(model->rowCount(), 0);

    // Refreshes and closes keep the list's one connection, not the caller's.
    const auto connectionId = [&list] {
        list.setRecordSource(QStringLiteral("SELECT CONNECTION_ID() AS id"));
        list.refresh();
        const qint64 id = list.recordset().integer(QStringLiteral("id"));
        list.close();
        return id;
    };
    const qint64 own = connectionId();
    EXPECT_EQ(connectionId(), own);
    EXPECT_NE(
        cn.query(QStringLiteral("SELECT CONNECTION_ID() AS id")).integer(QStringLiteral("id")),
        own);
}

TEST(DataGrid, DoubleClickOrEnterSelectsARowAndWidthsSurviveRefresh) {
    db::Recordset::Builder builder({QStringLiteral("a"), QStringLiteral("b")});
    for (const char* v : {"1", "x", "2", "y"})
        builder.addCell(v, 1);
    db::RecordsetModel model;
    model.setRecordset(builder.finish());
    DataGrid grid;
    grid.setModel(&model);
    grid.setColumnTwips({{750, true}, {1800}});
    grid.show();
    QSignalSpy selected(&grid, &DataGrid::rowSelected);
    grid.setCurrentRow(1);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(1, QModelIndex()));
    grid.setRowSelectedGesture(false);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(selected.count(), 1);
    const int width = grid.columnWidth(1);
    model.setRecordset(model.recordset());
    EXPECT_EQ(grid.columnWidth(1), width);
    // A row the list lacks leaves none current.
    grid.setCurrentRow(0);
    grid.setCurrentRow(2);
    EXPECT_EQ(grid.currentRow(), -1);
    grid.setCurrentRow(0);
    grid.setCurrentRow(-1);
    EXPECT_EQ(grid.currentRow(), -1);
}

TEST(BusyGuard, RestoresWidgetAndPointerOnEveryExit) {
    QWidget window;
    try {
        BusyGuard busy(&window);
        EXPECT_FALSE(window.isEnabled());
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("falha");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(HttpGet, AnswersStatusesAndTellsFailuresInPortuguese) {
    testsupport::HttpServer server;
    server.set("/ok", {200, "corpo"});
    server.set("/mudo", {200, {}, "text/plain", true});
    const http::Reply ok =
        http::get(QUrl(server.base() + QStringLiteral("/ok")), {{"User-Agent", "Mozilla/5.0"}});
    EXPECT_EQ(ok.status, 200);
    EXPECT_EQ(ok.body, QByteArray("corpo"));
    EXPECT_EQ(server.requests().at(0).headers.value("user-agent"), QByteArray("Mozilla/5.0"));
    const http::Reply missing = http::get(QUrl(server.base() + QStringLiteral("/outro")));
    EXPECT_EQ(missing.status, 404);
    EXPECT_TRUE(missing.error.isEmpty());
    // A 200 whose body breaks off is no answer, and says why.
    server.set("/cortado", {200, "corpo inteiro", "text/plain", false, 5});
    const http::Reply cut = http::get(QUrl(server.base() + QStringLiteral("/cortado")));
    EXPECT_FALSE(cut.answered());
    EXPECT_EQ(cut.error, QStringLiteral("conexão encerrada pelo servidor"));
    struct Case {
        QString url;
        QString error;
    };
    for (const Case& c :
         {Case{server.base() + QStringLiteral("/mudo"), QStringLiteral("tempo de espera esgotado")},
          Case{testsupport::unreachableBase(), QStringLiteral("conexão recusada")},
          Case{QStringLiteral("http://nao-existe.invalid/"),
               QStringLiteral("servidor não encontrado")},
          Case{QStringLiteral("gopher://127.0.0.1/"),
               QStringLiteral("falha de rede (código 301)")}}) {
        SCOPED_TRACE(c.url.toStdString());
        const http::Reply failed = http::get(QUrl(c.url), {}, 300);
        EXPECT_FALSE(failed.answered());
        EXPECT_EQ(failed.error, c.error);
    }
}
