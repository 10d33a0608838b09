#pragma once

#include <QString>

namespace files {

// Deletes a file even when it is read-only; true when it is gone (or was
// never there). `error` receives the reason otherwise.
bool removeForced(const QString& path, QString* error = nullptr);

} // namespace files
