#include "platform/cp1252.h"

#include <array>

namespace {

// Characters of bytes 0x80..0x9F; 0 where the code page defines none.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

namespace cp1252 {

unsigned char byteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == u && u != 0)
            return static_cast<unsigned char>(0x80 + i);
    }
    // Undefined bytes decode to their C1 control; keep that round trip.
    if (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0)
        return static_cast<unsigned char>(u);
    return '?';
}

QChar charOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] != 0)
        return QChar(kHigh[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(static_cast<char>(byteOf(c)));
    }
    return out;
}

bool holds(const QString& text) {
    for (QChar c : text) {
        if (c != QLatin1Char('?') && byteOf(c) == '?')
            return false;
    }
    return true;
}

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(charOf(static_cast<unsigned char>(b)));
    return out;
}

} // namespace cp1252
