#include "platform/qt_dialogs.h"
#include "platform/qt_portuguese.h"
#include "platform/viewer.h"
#include "tests/support/scripted_dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

QStringList buttonTexts(const QWidget& box) {
    QStringList texts;
    for (const QDialogButtonBox* row : box.findChildren<QDialogButtonBox*>()) {
        for (const QAbstractButton* b : row->buttons())
            texts << b->text();
    }
    return texts;
}

// The box a hand-off shows once its command has ended; none for a command
// that did its work.
std::optional<dlg::Message> handOffBox(testsupport::ScriptedDialogs& dialogs,
                                       const std::function<void()>& start, int waitMs = 10000) {
    dialogs.clear();
    start();
    if (!QTest::qWaitFor([&] { return !dialogs.messages().empty(); }, waitMs))
        return std::nullopt;
    return dialogs.messages().at(0);
}

} // namespace

TEST(QtDialogs, BoxesSpeakPortuguese) {
    ASSERT_TRUE(loadQtPortuguese());
    const auto input = dlg::QtDialogs::inputBox(
        {QStringLiteral("Cliente:"), QStringLiteral("Pesquisar pelo cliente"), {}});
    EXPECT_EQ(buttonTexts(*input), (QStringList{QStringLiteral("OK"), QStringLiteral("Cancelar")}));

    using Purpose = dlg::QtDialogs::FilePurpose;
    const dlg::FileChoice choice{QStringLiteral("Salvar PDF como"), QDir::tempPath(),
                                 QStringLiteral("Arquivos PDF (*.pdf)"), QString()};
    for (const auto& [purpose, accept] :
         {std::pair{Purpose::Open, "Abrir"}, std::pair{Purpose::Save, "Salvar"},
          std::pair{Purpose::Folder, "Escolher"}}) {
        SCOPED_TRACE(accept);
        const auto box = dlg::QtDialogs::fileBox(choice, purpose);
        const QStringList texts = buttonTexts(*box);
        EXPECT_TRUE(texts.contains(QString::fromUtf8(accept))) << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("Cancelar")));
    }
}

TEST(Viewer, AFailedHandOffSaysWhereTheDocumentIs) {
    testsupport::ScriptedDialogs dialogs;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("OS_12.pdf"));
    const QString expected =
        QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL ABRIR O DOCUMENTO NO VISUALIZADOR.\n") + pdf;
    // A command that fails, and one that cannot start at all.
    for (const QString& command :
         {QStringLiteral("false"), folder.filePath(QStringLiteral("nada"))}) {
        SCOPED_TRACE(command.toStdString());
        const auto box = handOffBox(dialogs, [&] { viewer::open(pdf, command); });
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, expected);
        EXPECT_EQ(box->title, QStringLiteral("ATENÇÃO"));
    }
    // A viewer that opens the file says nothing.
    EXPECT_FALSE(handOffBox(
        dialogs, [&] { viewer::open(pdf, QStringLiteral("true")); }, 300));
}

TEST(Viewer, NoMailProgramSaysWhereTheAttachmentIs) {
    testsupport::ScriptedDialogs dialogs;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("relcontas.pdf"));
    const QString failure =
        QStringLiteral("--- ERRO --- NÃO FOI POSSÍVEL ABRIR O PROGRAMA DE E-MAIL.");
    // No mail program on the path, and one that fails.
    const QByteArray path = qgetenv("PATH");
    const auto absent = handOffBox(dialogs, [&] {
        qputenv("PATH", folder.path().toLocal8Bit());
        viewer::mail(pdf);
        qputenv("PATH", path);
    });
    ASSERT_TRUE(absent.has_value());
    EXPECT_EQ(absent->text, failure + QLatin1Char('\n') + pdf);
    EXPECT_EQ(absent->title, QStringLiteral("ATENÇÃO"));
    const auto failing = handOffBox(dialogs, [&] { viewer::mail(pdf, QStringLiteral("false")); });
    ASSERT_TRUE(failing.has_value());
    EXPECT_EQ(failing->text, failure + QLatin1Char('\n') + pdf);
    // Without an attachment there is no path to give.
    const auto bare =
        handOffBox(dialogs, [&] { viewer::mail(QString(), QStringLiteral("false")); });
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(bare->text, failure);
    // A composer that opens says nothing.
    EXPECT_FALSE(handOffBox(
        dialogs, [&] { viewer::mail(pdf, QStringLiteral("true")); }, 300));
}

TEST(QtDialogs, AProgramThatCannotStartSaysWhy) {
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("upbrivon.exe"));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QString error;
    EXPECT_FALSE(dlg::QtDialogs().startProgram(program, {}, &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
    error.clear();
    EXPECT_TRUE(dlg::QtDialogs().startProgram(program, {}, &error));
    EXPECT_TRUE(error.isEmpty());
}
