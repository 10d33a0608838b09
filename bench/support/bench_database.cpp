#include "bench/support/bench_database.h"

#include "shell/shared_state.h"
#include "tests/support/test_database.h"

#include <QRegularExpression>
#include <cstdio>

namespace benchsupport {

bool asked(const char* benchmark, const char* how) {
    if (qEnvironmentVariable("QUENDARO_RUN_BENCH") == QLatin1String("1"))
        return true;
    std::printf("%s: %s\n", benchmark, how);
    return false;
}

QString freshDatabase() {
    shared::gConexao = testsupport::freshDatabase();
    shared::gUsuario = QStringLiteral("BENCH");
    return QRegularExpression(QStringLiteral("Database=([^;]*);"))
        .match(shared::gConexao)
        .captured(1);
}

} // namespace benchsupport
