#include "shell/frmProgresso.h"
#include "shell/program_end.h"
#include "shell/update_download.h"
#include "tests/support/file_bytes.h"
#include "tests/support/http_server.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::fileBytes;

namespace {

bool progressWindowLeft() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmProgresso*>(w) != nullptr)
            return true;
    }
    return false;
}

class UpdateDownload : public ::testing::Test {
protected:
    void SetUp() override {
        program::resetForTests();
        qputenv("QUENDARO_DIR", folder.path().toLocal8Bit());
        qputenv("QUENDARO_UPDATE_URL",
                (server.base() + QStringLiteral("/dl/upbrivon.exe")).toUtf8());
        // At the moment of any message the progress window and hourglass
        // must be gone already.
        dialogs.onMessage([this](const dlg::Message&) {
            leftBehind = progressWindowLeft() || QApplication::overrideCursor() != nullptr;
        });
    }
    void TearDown() override {
        qunsetenv("QUENDARO_DIR");
        qunsetenv("QUENDARO_UPDATE_URL");
        program::resetForTests();
    }
    QString target() const { return folder.filePath(QStringLiteral("upbrivon.exe")); }
    bool started() const {
        for (const auto& s : dialogs.shown()) {
            if (s.kind == QLatin1String("program"))
                return true;
        }
        return false;
    }
    void expectFailure(const QString& messageStart) {
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const dlg::Message m = dialogs.messages().at(0);
        EXPECT_TRUE(m.text.startsWith(messageStart)) << m.text.toStdString();
        EXPECT_EQ(m.title, dlg::kProgramTitle);
        EXPECT_EQ(m.icon, dlg::Icon::None);
        EXPECT_FALSE(leftBehind);
        EXPECT_FALSE(progressWindowLeft());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(started());
        EXPECT_FALSE(program::ending());
    }

    QTemporaryDir folder;
    testsupport::HttpServer server;
    testsupport::ScriptedDialogs dialogs;
    bool leftBehind = false;
};

} // namespace

TEST_F(UpdateDownload, SavesTheBytesExactlyStartsThemAndEnds) {
    QByteArray body(300000, '\0');
    QRandomGenerator generator(7);
    for (char& c : body)
        c = static_cast<char>(generator.bounded(256));
    server.set("/dl/upbrivon.exe", {200, body, "application/octet-stream"});
    QWidget mainWindow;
    mainWindow.show();

    BaixaAtualizacao(&mainWindow);
    EXPECT_EQ(fileBytes(target()), body);
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests().at(0).method, QByteArray("GET"));
    EXPECT_EQ(server.requests().at(0).headers.value("user-agent"), QByteArray("Mozilla/5.0"));
    ASSERT_TRUE(started());
    EXPECT_EQ(dialogs.shown().back().text, target());
    EXPECT_TRUE(program::ending());
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(UpdateDownload, ShorterDownloadReplacesAStaleLongerFile) {
    {
        QFile stale(target());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray(50000, 'x'));
    }
    server.set("/dl/upbrivon.exe", {200, "MZ-novo", "application/octet-stream"});
    BaixaAtualizacao(nullptr);
    EXPECT_EQ(fileBytes(target()), QByteArray("MZ-novo"));
    EXPECT_TRUE(program::ending());
}

TEST_F(UpdateDownload, TheSavedProgramRunsAndAFailedStartKeepsTheProgramOpen) {
    const QString ran = folder.filePath(QStringLiteral("rodou"));
    server.set("/dl/upbrivon.exe",
               {200, "#!/bin/sh\ntouch '" + ran.toUtf8() + "'\n", "application/octet-stream"});
    BaixaAtualizacao(nullptr);
    ASSERT_TRUE(started());
    // Saved as a program the system can run.
    EXPECT_TRUE(QFileInfo(target()).isExecutable());
    EXPECT_EQ(QProcess::execute(target(), {}), 0);
    EXPECT_TRUE(QFile::exists(ran));
    EXPECT_TRUE(program::ending());

    program::resetForTests();
    dialogs.clear();
    dialogs.programFailure = QStringLiteral("Permissão negada");
    BaixaAtualizacao(nullptr);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const dlg::Message m = dialogs.messages().at(0);
    EXPECT_EQ(m.text, QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL INICIAR A ATUALIZAÇÃO!\n"
                                     "Permissão negada"));
    EXPECT_EQ(m.title, QStringLiteral("ATENÇÃO"));
    EXPECT_FALSE(leftBehind);
    EXPECT_FALSE(progressWindowLeft());
    EXPECT_FALSE(program::ending());
}

TEST_F(UpdateDownload, ServerErrorReportsItsCodeAndWritesNothing) {
    for (const int status : {404, 500}) {
        dialogs.clear();
        server.set("/dl/upbrivon.exe", {status, "falhou"});
        BaixaAtualizacao(nullptr);
        expectFailure(QStringLiteral("Erro ao baixar atualização. Código: %1").arg(status));
        EXPECT_EQ(dialogs.messages().at(0).text,
                  QStringLiteral("Erro ao baixar atualização. Código: %1").arg(status));
        EXPECT_FALSE(QFile::exists(target()));
    }
}

TEST_F(UpdateDownload, NoAnswerReportsCodeZeroWithTheReason) {
    qputenv("QUENDARO_UPDATE_URL",
            (testsupport::unreachableBase() + QStringLiteral("/upbrivon.exe")).toUtf8());
    BaixaAtualizacao(nullptr);
    expectFailure(QStringLiteral("Erro ao baixar atualização. Código: 0\n"));
    EXPECT_EQ(dialogs.messages().at(0).text,
              QStringLiteral("Erro ao baixar atualização. Código: 0\nconexão recusada"));
    EXPECT_FALSE(QFile::exists(target()));
}

TEST_F(UpdateDownload, WriteErrorReportsCodeZeroAndStartsNothing) {
    server.set("/dl/upbrivon.exe", {200, "MZ", "application/octet-stream"});
    qputenv("QUENDARO_DIR", folder.filePath(QStringLiteral("nao/existe")).toLocal8Bit());
    BaixaAtualizacao(nullptr);
    expectFailure(QStringLiteral("Erro ao baixar atualização. Código: 0\n"));
}

TEST_F(UpdateDownload, QuestionComesFirstAndNoChangesNothing) {
    server.set("/dl/upbrivon.exe", {200, "MZ", "application/octet-stream"});
    dialogs.answer(dlg::Answer::No);
    mnu_update_Click(nullptr);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const dlg::Message question = dialogs.messages().at(0);
    EXPECT_EQ(question.text, QStringLiteral("Confirma a atualização do sistema?"));
    EXPECT_EQ(question.title, QStringLiteral("Atenção"));
    EXPECT_EQ(question.defaultButton, dlg::Answer::No);
    EXPECT_EQ(question.icon, dlg::Icon::Question);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(QFile::exists(target()));

    dialogs.answer(dlg::Answer::Yes);
    mnu_update_Click(nullptr);
    EXPECT_EQ(fileBytes(target()), QByteArray("MZ"));
    EXPECT_TRUE(program::ending());
}
