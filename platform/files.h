#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

namespace files {

// Deletes a file even when it is read-only; true when it is gone (or was
// never there). `error` receives the reason otherwise.
bool removeForced(const QString& path, QString* error = nullptr);

// Writes `bytes` whole through `file`; the system's reason when they did not
// all get there ("No space left on device"), empty when they did.
QString write(QFileDevice& file, QByteArrayView bytes);
// Writes out what Qt still holds for `file` and closes it; the system's
// reason when a byte did not reach the file, empty when all did.
QString close(QFileDevice& file);
// Opens the file at `path` in `mode`, writes `bytes` and closes it; the
// system's reason on failure, empty on success.
QString write(const QString& path, QIODevice::OpenMode mode, QByteArrayView bytes);

// The permissions the user's umask gives a new file.
QFileDevice::Permissions newFilePermissions();

} // namespace files
