#include <QApplication>
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
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
