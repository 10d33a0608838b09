#include "platform/db/connection.h"
#include "shell/frmconfig.h"
#include "shell/scramble.h"
#include "shell/settings_file.h"
#include "shell/shared_state.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_database.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

using namespace scramble;

using testsupport::fileBytes;

namespace {

namespace fs = std::filesystem;

fs::perms mode(const QString& path) {
    return fs::status(path.toStdString()).permissions() & fs::perms::mask;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override { qputenv("QUENDARO_DIR", dir.path().toLocal8Bit()); }
    void TearDown() override { qunsetenv("QUENDARO_DIR"); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST(Scramble, KnownTextsGiveKnownHex) {
    const std::vector<std::pair<QString, QString>> table = {
        {QStringLiteral("abc"), QStringLiteral("565153")},
        {QStringLiteral("127.0.0.1"), QStringLiteral("0601071C091B081F05")},
        {QStringLiteral("Sénha;}x"), QStringLiteral("64DA5E5A580E4549")},
        {QStringLiteral("€uro"), QStringLiteral("B746425D")},
        // Bytes 0x00 and 0x81 (no character in the code page) survive.
        {QStringLiteral("7"), QStringLiteral("00")},
        {QStringLiteral("¶"), QStringLiteral("81")},
        // The key repeats after 19 characters.
        {QString(20, QLatin1Char('a')), QStringLiteral("5652515358545950555757525153595458505656")},
        {QString(), QString()},
    };
    for (const auto& [plain, hex] : table) {
        EXPECT_EQ(CriptografaTexto(plain), hex) << plain.toStdString();
        EXPECT_EQ(DescriptografaTexto(hex), plain) << hex.toStdString();
    }
}

TEST(Scramble, EveryCodePageCharacterRoundTrips) {
    QString all;
    for (int b = 1; b < 256; ++b)
        all += QChar(static_cast<char16_t>(b));
    all = DescriptografaTexto(CriptografaTexto(all)); // undefined bytes come back as C1
    QString again = DescriptografaTexto(CriptografaTexto(all));
    EXPECT_EQ(again, all);
    const QString hex = CriptografaTexto(all);
    EXPECT_EQ(hex.size(), 2 * all.size());
    for (QChar c : hex)
        EXPECT_TRUE(QStringLiteral("0123456789ABCDEF").contains(c));
    EXPECT_EQ(DescriptografaTexto(CriptografaTexto(QStringLiteral("Ação Ç ü ñ"))),
              QStringLiteral("Ação Ç ü ñ"));
}

TEST(Scramble, HexPairsReadLikeTheOriginalRoutine) {
    EXPECT_EQ(HexParaTexto(QStringLiteral("1G")), QByteArray(1, '\x01'));
    EXPECT_EQ(HexParaTexto(QStringLiteral("G1")), QByteArray(1, '\0'));
    EXPECT_EQ(HexParaTexto(QStringLiteral("4A5")), QByteArrayLiteral("J\x05"));
    EXPECT_EQ(HexParaTexto(QStringLiteral("ff")), QByteArray(1, '\xff'));
    EXPECT_EQ(TextoParaHex(QByteArrayLiteral("\x0a\xff")), QStringLiteral("0AFF"));
}

TEST_F(ProgramFolder, FileIsWrittenAsFiveCrLfLines) {
    ASSERT_TRUE(settings::write({QStringLiteral(" 127.0.0.1 "), QStringLiteral("abc"),
                                 QStringLiteral("quendaro"), QString()})
                    .isEmpty());
    EXPECT_EQ(fileBytes(path(QStringLiteral("Quendaro.ini"))),
              QByteArrayLiteral("[CONFIG]\r\nconexao=0601071C091B081F05\r\nsenha=565153\r\n"
                                "banco=4646555C5D544A5E\r\nuserbco=\r\n"));
    const settings::Values v = settings::read();
    EXPECT_EQ(v.server, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(v.password, QStringLiteral("abc"));
    EXPECT_EQ(v.database, QStringLiteral("quendaro"));
    EXPECT_EQ(v.user, QString());
}

TEST_F(ProgramFolder, LowerCaseFileIsTheSameFile) {
    writeFile(path(QStringLiteral("quendaro.ini")), "[config]\r\nCONEXAO=565153\r\n");
    EXPECT_TRUE(settings::fileExists());
    EXPECT_EQ(settings::read().server, QStringLiteral("abc"));
    ASSERT_TRUE(settings::write({QStringLiteral("x"), {}, {}, {}}).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("quendaro.ini")});
    EXPECT_EQ(settings::read().server, QStringLiteral("x"));
}

TEST_F(ProgramFolder, MissingFileAndMissingKeys) {
    settings::MontaConexao();
    EXPECT_EQ(shared::gConexao, QStringLiteral("Driver={MySQL ODBC 8.0 ANSI Driver};Server=;"
                                               "Database=;User=;Password=;Option=3;"));
    writeFile(path(QStringLiteral("Quendaro.ini")), "[CONFIG]\r\nconexao=565153\r\n");
    const settings::Values v = settings::read();
    EXPECT_EQ(v.server, QStringLiteral("abc"));
    EXPECT_EQ(v.password, DescriptografaTexto(settings::kMissingKey));
    EXPECT_FALSE(v.password.isEmpty());
}

TEST_F(ProgramFolder, ByteOrderMarksAndLineEndsOfOtherEditorsAreRead) {
    const QByteArray lines = "[CONFIG]\r\nconexao=565153\r\nsenha=\r\nbanco=5651\r\n";
    QByteArray utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (const char c : lines) {
        utf16le += QByteArray(1, c) + '\0';
        utf16be += QByteArray(1, '\0') + c;
    }
    for (const QByteArray& bytes : {"\xEF\xBB\xBF" + lines, QByteArray(lines).replace("\r\n", "\n"),
                                    QByteArray(lines).replace("\r\n", "\r"), utf16le, utf16be}) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        writeFile(path(QStringLiteral("Quendaro.ini")), bytes);
        const settings::Values v = settings::read();
        EXPECT_EQ(v.server, QStringLiteral("abc"));
        EXPECT_EQ(v.password, QString());
        EXPECT_EQ(v.database, QStringLiteral("ab"));
    }
}

TEST_F(ProgramFolder, LongValuesAreReadWhole) {
    const QString longValue(300, QLatin1Char('s'));
    ASSERT_TRUE(settings::write({longValue, longValue, {}, {}}).isEmpty());
    EXPECT_EQ(settings::read().password, longValue);
}

TEST(ConnectionString, UsualValuesGoInAsTheyAre) {
    EXPECT_EQ(settings::connectionString({QStringLiteral("srv"), QStringLiteral("p=w"),
                                          QStringLiteral("banco"), QStringLiteral("user")}),
              QStringLiteral("Driver={MySQL ODBC 8.0 ANSI Driver};Server=srv;Database=banco;"
                             "User=user;Password=p=w;Option=3;"));
    // Values the syntax would split are braced, "}" doubled.
    EXPECT_EQ(settings::connectionString({QStringLiteral("s"), QStringLiteral("a;b}c"),
                                          QStringLiteral("d{b"), QStringLiteral("u")}),
              QStringLiteral("Driver={MySQL ODBC 8.0 ANSI Driver};Server=s;Database={d{b};"
                             "User=u;Password={a;b}}c};Option=3;"));
}

TEST_F(ProgramFolder, PasswordWithSemicolonAndBraceConnects) {
    db::Connection admin(testsupport::connectionString());
    admin.open();
    const QString password = QStringLiteral("p;w}d{x");
    admin.execute(QStringLiteral("DROP USER IF EXISTS 'chave'@'%'"));
    admin.execute(QStringLiteral("CREATE USER 'chave'@'%' IDENTIFIED BY 'p;w}d{x'"));
    ASSERT_TRUE(settings::write({qEnvironmentVariable("QUENDARO_TEST_DB_SERVER"), password,
                                 QString(), QStringLiteral("chave")})
                    .isEmpty());
    settings::MontaConexao();
    shared::fechaConexao();
    shared::abreConexao();
    EXPECT_EQ(
        shared::gCn().query(QStringLiteral("SELECT CURRENT_USER() AS u")).text(QStringLiteral("u")),
        QStringLiteral("chave@%"));
    shared::fechaConexao();
}

TEST_F(ProgramFolder, SettingsWindowSavesAndReloads) {
    testsupport::ScriptedDialogs dialogs;
    // Before any login, as the start-up failure opens it: the password is
    // masked, and saved as typed.
    shared::gLogado.clear();
    {
        frmconfig form;
        EXPECT_EQ(form.txtSenha->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(form.txtNmBco->text().isEmpty());
        form.txtNmBco->setText(QStringLiteral("  Quendaro "));
        form.txtNmUsu->setText(QStringLiteral("Admin"));
        form.txtSenha->setText(QStringLiteral("SeGrEdO"));
        form.txtString->setText(QStringLiteral("db.local"));
        dialogs.answer(dlg::Answer::No);
        form.Command2->click();
        EXPECT_FALSE(settings::fileExists());
        dialogs.answer(dlg::Answer::Yes);
        form.Command2->click();
        EXPECT_TRUE(dialogs.sawText(QStringLiteral("Configuração salva com sucesso!")));
        EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("Atenção"));
        EXPECT_EQ(dialogs.messages().at(0).defaultButton, dlg::Answer::No);
    }
    EXPECT_EQ(settings::read().password, QStringLiteral("SeGrEdO"));
    // It holds the password: its owner's alone.
    EXPECT_EQ(mode(settings::filePath()), fs::perms::owner_read | fs::perms::owner_write);
    // From the menu, after a login, it is shown.
    shared::gLogado = QStringLiteral("S");
    frmconfig again;
    EXPECT_EQ(again.txtSenha->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(again.txtNmBco->text(), QStringLiteral("Quendaro"));
    EXPECT_EQ(again.txtNmUsu->text(), QStringLiteral("Admin"));
    EXPECT_EQ(again.txtSenha->text(), QStringLiteral("SeGrEdO"));
    EXPECT_EQ(again.txtString->text(), QStringLiteral("db.local"));
    // A file given to the shop's users keeps its permissions.
    const fs::perms givenToGroup =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(settings::filePath().toStdString(), givenToGroup);
    dialogs.answer(dlg::Answer::Yes);
    again.Command2->click();
    EXPECT_EQ(mode(settings::filePath()), givenToGroup);
    shared::gLogado.clear();
}

TEST_F(ProgramFolder, ToolReadsThePasswordFromStandardInput) {
    QProcess tool;
    tool.start(QStringLiteral(QUENDARO_INI), {dir.path(), QStringLiteral("db.local"),
                                              QStringLiteral("quendaro"), QStringLiteral("admin")});
    tool.write("s3nha secreta\n");
    tool.closeWriteChannel();
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_EQ(settings::read().password, QStringLiteral("s3nha secreta"));
    EXPECT_EQ(settings::read().user, QStringLiteral("admin"));
    EXPECT_EQ(mode(settings::filePath()), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ProgramFolder, SettingsWindowRefusesWhatTheFileCannotKeep) {
    testsupport::ScriptedDialogs dialogs;
    frmconfig form;
    form.txtNmBco->setText(QStringLiteral("quendaro"));
    form.txtNmUsu->setText(QStringLiteral("admin"));
    form.txtString->setText(QStringLiteral("db.local"));
    form.txtSenha->setText(QStringLiteral("senhaЖ"));
    form.Command2->click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().at(0).text,
              QStringLiteral("--- ERRO --- SENHA CONTÉM CARACTERES NÃO SUPORTADOS!"));
    EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    EXPECT_FALSE(settings::fileExists());

    // The first box that cannot be kept is named, in the window's order.
    dialogs.clear();
    form.txtNmUsu->setText(QStringLiteral("usuário 😀"));
    form.Command2->click();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(
                                   "--- ERRO --- USUÁRIO CONTÉM CARACTERES NÃO SUPORTADOS!")});

    // "€" has a byte of its own in the file's code page: kept.
    dialogs.clear();
    form.txtNmUsu->setText(QStringLiteral("admin"));
    form.txtSenha->setText(QStringLiteral(" senha€ "));
    dialogs.answer(dlg::Answer::Yes);
    form.Command2->click();
    EXPECT_TRUE(dialogs.sawText(QStringLiteral("Configuração salva com sucesso!")));
    EXPECT_EQ(settings::read().password, QStringLiteral("senha€"));
}

TEST(SettingsWindow, FailedWriteIsNotReportedAsSaved) {
    qputenv("QUENDARO_DIR", "/nonexistent/quendaro");
    testsupport::ScriptedDialogs dialogs;
    frmconfig form;
    dialogs.answer(dlg::Answer::Yes);
    form.Command2->click();
    qunsetenv("QUENDARO_DIR");
    EXPECT_FALSE(dialogs.sawText(QStringLiteral("Configuração salva com sucesso!")));
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(dialogs.messages().at(1).text.startsWith(QStringLiteral("--- ERRO --- ")));
}
