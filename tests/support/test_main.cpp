#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for every test program, so forms, timers and network
// replies work; tests run with QT_QPA_PLATFORM=offscreen.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
