#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testsupport {

// What the file holds; nothing when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testsupport
