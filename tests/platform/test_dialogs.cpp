#include "platform/qt_dialogs.h"
#include "platform/qt_portuguese.h"
#include "platform/viewer.h"
#include "tests/support/scripted_dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QStringList buttonTexts(const QWidget& box) {
    QStringList texts;
    for (const QDialogButtonBox* row : box.findChildren<QDialogButtonBox*>()) {
        for (const QAbstractButton* b : row->buttons())
            texts << b->text();
    }
    return texts;
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
        dialogs.clear();
        viewer::open(pdf, command);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages().empty(); }, 10000));
        EXPECT_EQ(dialogs.messages().at(0).text, expected);
        EXPECT_EQ(dialogs.messages().at(0).title, QStringLiteral("ATENÇÃO"));
    }
    // A viewer that opens the file says nothing.
    dialogs.clear();
    viewer::open(pdf, QStringLiteral("true"));
    QTest::qWait(300);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(LastGuard, AnExceptionFromAHandlerEndsOnlyThatOperation) {
    testsupport::ScriptedDialogs dialogs;
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Falha"), &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] {
        ++clicks;
        throw std::runtime_error("estado impossível da gravação");
    });
    window.show();
    QApplication::setActiveWindow(&window);
    const QString told =
        QStringLiteral("--- ERRO --- OCORREU UM ERRO INTERNO! A OPERAÇÃO NÃO FOI CONCLUÍDA.");
    // A click, then Space on the focused button: each is told, written to
    // standard error, and fails the test it happened in with its text.
    testing::internal::CaptureStderr();
    EXPECT_NONFATAL_FAILURE(QTest::mouseClick(button, Qt::LeftButton),
                            "estado impossível da gravação");
    button->setFocus();
    EXPECT_NONFATAL_FAILURE(QTest::keyClick(button, Qt::Key_Space),
                            "estado impossível da gravação");
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_NE(written.find("estado impossível da gravação"), std::string::npos) << written;
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    for (const dlg::Message& m : dialogs.messages()) {
        EXPECT_EQ(m.text, told);
        EXPECT_EQ(m.title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(m.icon, dlg::Icon::Critical);
    }
    EXPECT_TRUE(window.isVisible());
    // Timers and anything else the event loop delivers are guarded alike.
    dialogs.clear();
    EXPECT_NONFATAL_FAILURE(
        {
            QTimer::singleShot(0, &window, [] { throw std::logic_error("temporizador"); });
            QTest::qWait(20);
        },
        "temporizador");
    EXPECT_EQ(dialogs.texts(), QStringList{told});
}
