#include "platform/db/connection.h"
#include "shell/frmConcuiUpdate.h"
#include "shell/shared_state.h"
#include "tests/shell/window_database_test.h"
#include "tests/support/test_database.h"

#include <QPushButton>
#include <gtest/gtest.h>

using PostUpdate = WindowDatabaseTest;

TEST_F(PostUpdate, CreatesTheTableOnceThenSaysItRanBefore) {
    {
        frmConcuiUpdate form;
        EXPECT_TRUE(form.Command1->isEnabled());
        form.Command1->click();
        EXPECT_FALSE(form.Command1->isEnabled());
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages().at(0).text, QStringLiteral("Executado com sucesso!"));
        EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("Atenção"));
        EXPECT_EQ(dialogs.messages().at(0).icon, dlg::Icon::Information);
        EXPECT_FALSE(shared::gCn().isOpen());
    }
    db::Recordset columns = check.query(QStringLiteral(
        "select concat(column_name, ' ', column_type, ' ', is_nullable) from "
        "information_schema.columns where table_schema = database() and table_name = "
        "'estornoshst' order by ordinal_position"));
    QStringList described;
    for (qsizetype row = 0; row < columns.rowCount(); ++row)
        described << columns.textAt(row, 0);
    EXPECT_EQ(described,
              (QStringList{
                  QStringLiteral("tipo varchar(2) NO"), QStringLiteral("nrdoc varchar(45) NO"),
                  QStringLiteral("valor decimal(15,2) NO"), QStringLiteral("dtest date NO"),
                  QStringLiteral("motivo varchar(45) NO"), QStringLiteral("opev varchar(45) NO")}));
    check.execute(QStringLiteral("insert into estornoshst values ('P', '1', 10.5, '2024-01-02', "
                                 "'m', 'ANA')"));

    dialogs.clear();
    frmConcuiUpdate again;
    again.Command1_Click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Procedimento já executado!")});
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("Atenção"));
    EXPECT_EQ(check.query(QStringLiteral("select count(*) from estornoshst")).textAt(0, 0),
              QStringLiteral("1"));
}

TEST_F(PostUpdate, OtherFailuresShowTheirNumberAndText) {
    shared::gConexao = testsupport::connectionString(QStringLiteral("banco_que_nao_existe"));
    frmConcuiUpdate form;
    form.Command1_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().at(0).text.startsWith(QStringLiteral("--- ERRO --- 1049")))
        << dialogs.messages().at(0).text.toStdString();
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_FALSE(form.Command1->isEnabled());
}
