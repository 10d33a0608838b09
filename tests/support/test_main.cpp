#include "platform/guarded_application.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryFile>
#include <clocale>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <string>
#include <string_view>

// One QApplication for every test program, so forms, timers and network
// replies work; tests run with QT_QPA_PLATFORM=offscreen.
//
// A folder's test files form one program; `--test-file=test_x` runs only the
// tests written in test_x.cpp (each CTest entry is one file), within whatever
// --gtest_filter also asks.
namespace {

// The offscreen platform warns about window hints it ignores.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

// A run under pt_BR proves nothing unless its locale really writes a decimal
// comma; checked once, before any test runs.
class PtBrRunCheck : public ::testing::Environment {
public:
    void SetUp() override {
        if (!qEnvironmentVariable("QUENDARO_TEST_NAME").endsWith(QLatin1String("_ptBR")))
            return;
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","));
    }
};

// A file's name without its folder and extension.
std::string baseName(const char* path) {
    return QFileInfo(QString::fromUtf8(path)).completeBaseName().toStdString();
}

// Every suite's tests in one file, so that its name tells the file: two files
// with one suite (or fixture) name would share it, and a fixture class of one
// name defined twice is one class to the linker.
bool suitesInOneFileEach() {
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    bool ok = true;
    for (int i = 0; i < unit.total_test_suite_count(); ++i) {
        const ::testing::TestSuite& suite = *unit.GetTestSuite(i);
        std::set<std::string> files;
        for (int j = 0; j < suite.total_test_count(); ++j)
            files.insert(baseName(suite.GetTestInfo(j)->file()));
        if (files.size() > 1) {
            std::cerr << "suite " << suite.name() << " is in several files:";
            for (const std::string& file : files)
                std::cerr << ' ' << file;
            std::cerr << "; give each file suites of its own\n";
            ok = false;
        }
    }
    return ok;
}

// Leaves out every suite of the other files, after what the user's filter
// already leaves out.
bool onlyFile(const std::string& wanted) {
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    std::string others;
    bool found = false;
    for (int i = 0; i < unit.total_test_suite_count(); ++i) {
        const ::testing::TestSuite& suite = *unit.GetTestSuite(i);
        if (baseName(suite.GetTestInfo(0)->file()) == wanted)
            found = true;
        else
            others += std::string(":") + suite.name() + ".*";
    }
    if (!found) {
        std::cerr << "no test is written in " << wanted << '\n';
        return false;
    }
    if (others.empty())
        return true;
    std::string filter = GTEST_FLAG_GET(filter);
    filter += filter.find('-') == std::string::npos ? "-" + others.substr(1) : others;
    GTEST_FLAG_SET(filter, filter);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    // The offscreen screen as the users' desktop leaves it to the program:
    // 1366 by 768 pixels less a 40-pixel task bar. Its file is read while the
    // application starts.
    QTemporaryFile desktop(QDir::temp().filePath(QStringLiteral("quendaro-screen-XXXXXX.json")));
    const bool offscreen = qgetenv("QT_QPA_PLATFORM") == "offscreen" && desktop.open();
    if (offscreen) {
        desktop.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1366,)"
                      R"( "height": 728, "logicalDpi": 96}]})");
        desktop.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(desktop.fileName()));
    }
    GuardedApplication app(argc, argv);
    if (offscreen) {
        desktop.remove();
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // An exception that escapes an event fails the test that sent it, with
    // its text, and the program goes on to the next test.
    app.setOnEscape([](const QString& what) {
        ADD_FAILURE() << "exception escaped an event handler: " << what.toStdString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new PtBrRunCheck);
    if (!suitesInOneFileEach())
        return 1;
    constexpr std::string_view option = "--test-file=";
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with(option) &&
            !onlyFile(baseName(argv[i] + option.size())))
            return 1;
    }
    return RUN_ALL_TESTS();
}
