#include "platform/qt_dialogs.h"
#include "platform/qt_portuguese.h"
#include "platform/viewer.h"
#include "tests/support/modal.h"
#include "tests/support/scripted_dialogs.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <optional>
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

// The box a hand-off shows once its command has ended; none for a command
// that did its work. The hourglass shows from the start until the command
// has ended.
std::optional<dlg::Message> handOffBox(testsupport::ScriptedDialogs& dialogs,
                                       const std::function<void()>& start, int waitMs = 10000) {
    dialogs.clear();
    start();
    const QCursor* pointer = QApplication::overrideCursor();
    EXPECT_TRUE(pointer != nullptr && pointer->shape() == Qt::WaitCursor);
    const bool shown = QTest::qWaitFor([&] { return !dialogs.messages().empty(); }, waitMs);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::overrideCursor() == nullptr; }));
    if (!shown)
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

TEST(QtDialogs, PtBrIsTheDefaultLocaleAndTheFileListsUseIt) {
    ASSERT_TRUE(loadQtPortuguese());
    EXPECT_EQ(QLocale().name(), QStringLiteral("pt_BR"));
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("relatorio.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1536, 'x'));
    file.flush();
    file.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(14, 30)),
                     QFileDevice::FileModificationTime);
    file.close();
    const auto box = dlg::QtDialogs::fileBox({QStringLiteral("Abrir"), folder.path(), {}, {}},
                                             dlg::QtDialogs::FilePurpose::Open);
    const QAbstractItemModel* list = box->proxyModel();
    ASSERT_NE(list, nullptr);
    QModelIndex row;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const QModelIndexList found =
            list->match(list->index(0, 0, box->findChild<QTreeView*>()->rootIndex()),
                        Qt::DisplayRole, QStringLiteral("relatorio.txt"), 1, Qt::MatchExactly);
        row = found.value(0);
        return row.isValid();
    }));
    // Whatever the system's locale, as the users write them.
    EXPECT_EQ(row.siblingAtColumn(3).data().toString(), QStringLiteral("09/12/2026 14:30"));
    EXPECT_EQ(row.siblingAtColumn(1).data().toString(), QStringLiteral("1,50 KiB"));
}

TEST(QtDialogs, FilesStartInTheProgramsTempAndFoldersAtTheDesktop) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("QUENDARO_DIR", home.filePath(QStringLiteral("programa")).toLocal8Bit());
    using Purpose = dlg::QtDialogs::FilePurpose;
    auto startsIn = [](Purpose purpose) {
        return QDir(dlg::QtDialogs::fileBox({QStringLiteral("Escolha"), {}, {}, {}}, purpose)
                        ->directory())
            .canonicalPath();
    };
    const QString homePath = QDir(home.path()).canonicalPath();
    // Without the folders, the user's home.
    EXPECT_EQ(startsIn(Purpose::Save), homePath);
    EXPECT_EQ(startsIn(Purpose::Folder), homePath);
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("programa/temp")));
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Desktop")));
    EXPECT_EQ(startsIn(Purpose::Open), homePath + QStringLiteral("/programa/temp"));
    EXPECT_EQ(startsIn(Purpose::Save), homePath + QStringLiteral("/programa/temp"));
    EXPECT_EQ(startsIn(Purpose::Folder), homePath + QStringLiteral("/Desktop"));
    // A folder the caller names is where it starts.
    EXPECT_EQ(QDir(dlg::QtDialogs::fileBox({QStringLiteral("Escolha"), home.path(), {}, {}},
                                           Purpose::Save)
                       ->directory())
                  .canonicalPath(),
              homePath);
    qunsetenv("QUENDARO_DIR");
    qputenv("HOME", oldHome);
}

TEST(QtDialogs, TitlesHaveRoomBesideTheWindowButtons) {
    const QString title = QStringLiteral("Pesquisa cliente já cadastrado");
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int room = QFontMetrics(bold).horizontalAdvance(title) + 200;
    const auto input = dlg::QtDialogs::inputBox({QStringLiteral("Nome: "), title, {}});
    EXPECT_GE(input->minimumSizeHint().width(), room);
    int shown = 0;
    testsupport::whenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->width();
        box->buttons().constFirst()->click();
    });
    dlg::QtDialogs().show({title, QStringLiteral("OK?"), dlg::Icon::Information});
    EXPECT_GE(shown, room);
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
