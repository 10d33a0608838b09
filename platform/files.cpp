#include "platform/files.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace files {

namespace {

// A write the system cuts short (a full disk, a size limit) fails without
// saying why; what is left is written again, which either goes through or
// fails with the system's reason.
bool flushWhole(QFileDevice& file) {
    for (qint64 left = file.bytesToWrite(); !file.flush();) {
        const qint64 now = file.bytesToWrite();
        if (now == 0 || now >= left)
            return false;
        left = now;
    }
    return true;
}

} // namespace

bool removeForced(const QString& path, QString* error) {
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    if (file.remove())
        return true;
    if (error != nullptr)
        *error = file.errorString();
    return false;
}

QString write(QFileDevice& file, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) {
            // Refused while Qt wrote out its buffer, whose rest then names
            // the reason.
            flushWhole(file);
            return file.errorString();
        }
        bytes = bytes.sliced(written);
    }
    return QString();
}

QString close(QFileDevice& file) {
    QString error;
    if (!flushWhole(file))
        error = file.errorString();
    file.close();
    if (error.isEmpty() && file.error() != QFileDevice::NoError)
        error = file.errorString();
    return error;
}

QString write(const QString& path, QIODevice::OpenMode mode, QByteArrayView bytes) {
    QFile file(path);
    if (!file.open(mode))
        return file.errorString();
    const QString error = write(file, bytes);
    const QString closing = close(file);
    return error.isEmpty() ? closing : error;
}

QFileDevice::Permissions newFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions out;
    const std::pair<mode_t, QFileDevice::Permissions> bits[] = {
        {S_IRUSR, QFileDevice::ReadOwner | QFileDevice::ReadUser},
        {S_IWUSR, QFileDevice::WriteOwner | QFileDevice::WriteUser},
        {S_IRGRP, QFileDevice::ReadGroup},
        {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther},
        {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto& [bit, permission] : bits) {
        if (mode & bit)
            out |= permission;
    }
    return out;
}

} // namespace files
