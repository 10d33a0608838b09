#include "shell/shared_work.h"
#include "tests/shell/window_database_test.h"

#include <QApplication>
#include <QWidget>

namespace {

using SharedWork = WindowDatabaseTest;

} // namespace

TEST_F(SharedWork, OpensTheSharedConnectionAndRunsTheWork) {
    qint64 users = -1;
    EXPECT_TRUE(shared::withConnection(nullptr, [&](db::Connection& cn) {
        users = cn.query(QStringLiteral("select count(*) as n from usuarios"))
                    .integer(QStringLiteral("n"));
    }));
    EXPECT_EQ(users, 0);
    EXPECT_TRUE(shared::gCn().isOpen());
    // Closed behind a window's back (a register does on its way out): the
    // window's next statement opens it again.
    shared::fechaConexao();
    EXPECT_EQ(shared::gCn().execute(QStringLiteral("insert into usuarios (nmusuario) values "
                                                   "('ANA')")),
              1);
    EXPECT_TRUE(shared::gCn().isOpen());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(SharedWork, AFailureIsShownOnceTheWindowAndPointerAreBack) {
    QWidget window;
    window.show();
    bool windowBack = false;
    bool pointerBack = false;
    dialogs.onMessage([&](const dlg::Message&) {
        windowBack = window.isEnabled();
        pointerBack = QApplication::overrideCursor() == nullptr;
    });
    bool disabledMeanwhile = false;
    EXPECT_FALSE(shared::withConnection(&window, [&](db::Connection& cn) {
        disabledMeanwhile = !window.isEnabled();
        cn.execute(QStringLiteral("delete from tabela_que_nao_existe"));
    }));
    EXPECT_TRUE(disabledMeanwhile);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(dialogs.messages().at(0).text,
              QStringLiteral("--- ERRO --- 1146 - Table 'tabela_que_nao_existe' doesn't exist"));
    EXPECT_TRUE(windowBack);
    EXPECT_TRUE(pointerBack);
}

TEST_F(SharedWork, TheCommonUserCausedFailuresInPortuguese) {
    auto insert = [](const char* name) {
        return shared::withConnection(nullptr, [name](db::Connection& cn) {
            cn.execute(QStringLiteral("insert into usuarios (nmusuario) values (?)"),
                       {QString::fromUtf8(name)});
        });
    };
    EXPECT_TRUE(insert("ANA"));
    EXPECT_FALSE(insert("ANA"));
    EXPECT_FALSE(insert("NOME COMPRIDO DEMAIS"));
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("--- ERRO --- REGISTRO JÁ CADASTRADO!"),
                                            QStringLiteral("--- ERRO --- TEXTO MAIOR QUE O CAMPO "
                                                           "PERMITE!")}));
}
