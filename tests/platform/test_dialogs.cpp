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

namespace {

// A window whose handler fails, as a fault of ours would.
class FailingWindow : public QWidget {
public:
    int handled = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User)
            return QWidget::event(e);
        ++handled;
        throw std::runtime_error("estado impossível da gravação");
    }
};

} // namespace

// Events are posted and timers run rather than keys pressed: an exception
// unwinding through Qt's own key and mouse translation leaks what those frames
// hold, and the suite runs under the leak checker.
TEST(LastGuard, AnExceptionFromAHandlerEndsOnlyThatOperation) {
    testsupport::ScriptedDialogs dialogs;
    FailingWindow window;
    window.show();
    const QString told =
        QStringLiteral("--- ERRO --- OCORREU UM ERRO INTERNO! A OPERAÇÃO NÃO FOI CONCLUÍDA.");
    // Each failure is told, written to standard error, and fails the test it
    // happened in with its text; the window goes on taking events.
    testing::internal::CaptureStderr();
    for (int i = 0; i < 2; ++i) {
        EXPECT_NONFATAL_FAILURE(
            {
                QCoreApplication::postEvent(&window, new QEvent(QEvent::User));
                QTest::qWait(20);
            },
            "estado impossível da gravação");
    }
    EXPECT_NONFATAL_FAILURE(
        {
            QTimer::singleShot(0, &window, [] { throw 42; });
            QTest::qWait(20);
        },
        "exceção desconhecida");
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_NE(written.find("estado impossível da gravação"), std::string::npos) << written;
    EXPECT_NE(written.find("exceção desconhecida"), std::string::npos) << written;
    EXPECT_EQ(window.handled, 2);
    ASSERT_EQ(dialogs.messages().size(), 3u);
    for (const dlg::Message& m : dialogs.messages()) {
        EXPECT_EQ(m.text, told);
        EXPECT_EQ(m.title, QStringLiteral("ATENÇÃO"));
        EXPECT_EQ(m.icon, dlg::Icon::Critical);
    }
    EXPECT_TRUE(window.isVisible());
}
