#pragma once

#include <QString>

// What every benchmark does first.
namespace benchsupport {

// Whether the benchmark was asked for (QUENDARO_RUN_BENCH=1); when it was
// not, says how to ask and returns false.
bool asked(const char* benchmark, const char* how);
// A fresh database on the test server with the schema loaded, made the
// program's shared connection, with "BENCH" logged in; returns its name.
QString freshDatabase();

} // namespace benchsupport
