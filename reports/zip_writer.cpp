#include "reports/zip_writer.h"

#include <array>

namespace zip {

namespace {

const std::array<std::uint32_t, 256>& crcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void put16(QByteArray& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// MS-DOS time and date fields.
std::uint32_t dosTime(const QTime& t) {
    return (t.hour() << 11) | (t.minute() << 5) | (t.second() / 2);
}
std::uint32_t dosDate(const QDate& d) {
    return ((std::max(d.year(), 1980) - 1980) << 9) | (d.month() << 5) | d.day();
}

} // namespace

std::uint32_t crc32(const QByteArray& bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (char byte : bytes)
        c = crcTable()[(c ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray archive(const QList<Entry>& entries, const QDateTime& moment) {
    const std::uint32_t time = dosTime(moment.time());
    const std::uint32_t date = dosDate(moment.date());
    QByteArray out;
    QByteArray directory;
    for (const Entry& e : entries) {
        const QByteArray name = e.name.toLatin1();
        const std::uint32_t crc = crc32(e.data);
        const auto size = static_cast<std::uint32_t>(e.data.size());
        const auto offset = static_cast<std::uint32_t>(out.size());

        put32(out, 0x04034b50);
        put16(out, 20); // version needed
        put16(out, 0);  // flags
        put16(out, 0);  // stored
        put16(out, time);
        put16(out, date);
        put32(out, crc);
        put32(out, size);
        put32(out, size);
        put16(out, name.size());
        put16(out, 0);
        out += name;
        out += e.data;

        put32(directory, 0x02014b50);
        put16(directory, 20); // made by
        put16(directory, 20); // needed
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, time);
        put16(directory, date);
        put32(directory, crc);
        put32(directory, size);
        put32(directory, size);
        put16(directory, name.size());
        put16(directory, 0); // extra
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += name;
    }
    const auto directoryOffset = static_cast<std::uint32_t>(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, entries.size());
    put16(out, entries.size());
    put32(out, directory.size());
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

} // namespace zip
