#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>

// A ZIP archive of stored (uncompressed) entries, enough for an Office
// Open XML package.
namespace zip {

std::uint32_t crc32(const QByteArray& bytes);

struct Entry {
    QString name; // ASCII, "/" between folders
    QByteArray data;
};

// The archive's bytes; every entry carries `moment` as its date.
QByteArray archive(const QList<Entry>& entries, const QDateTime& moment);

} // namespace zip
