#include "platform/guarded_application.h"

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

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    GuardedApplication app(argc, argv);
    // An exception that escapes an event fails the test that sent it, with
    // its text, and the program goes on to the next test.
    app.setOnEscape([](const QString& what) {
        ADD_FAILURE() << "exception escaped an event handler: " << what.toStdString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
