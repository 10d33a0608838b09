#pragma once

#include "platform/db/connection.h"
#include "shell/shared_state.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <gtest/gtest.h>

// A window test on a fresh database: the shared connection starts closed,
// `check` reads what the window wrote, and dialogs are scripted.
class WindowDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared::gConexao = testsupport::freshDatabase();
        shared::fechaConexao();
        check.setConnectionString(shared::gConexao);
        check.open();
    }
    void TearDown() override { shared::fechaConexao(); }

    db::Connection check;
    testsupport::ScriptedDialogs dialogs;
};
