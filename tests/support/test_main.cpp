#include "platform/guarded_application.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// One QApplication for every test program, so forms, timers and network
// replies work; tests run with QT_QPA_PLATFORM=offscreen.
namespace {

// The offscreen platform warns about window hints it ignores.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

// The offscreen screen as the users' desktop leaves it to the program: 1366
// by 768 pixels less a 40-pixel task bar. Its file is read while the
// application starts.
QString offscreenDesktop() {
    const QString file = QDir::temp().filePath(
        QStringLiteral("quendaro-screen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile json(file);
    if (!json.open(QIODevice::WriteOnly))
        return QString();
    json.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1366,)"
               R"( "height": 728, "logicalDpi": 96}]})");
    return file;
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    QString desktop;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        desktop = offscreenDesktop();
        if (!desktop.isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(desktop));
    }
    GuardedApplication app(argc, argv);
    if (!desktop.isEmpty()) {
        QFile::remove(desktop);
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // An exception that escapes an event fails the test that sent it, with
    // its text, and the program goes on to the next test.
    app.setOnEscape([](const QString& what) {
        ADD_FAILURE() << "exception escaped an event handler: " << what.toStdString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
