#include "json/json_member_key.h"

namespace json {

quint32 nameHash(QStringView name) {
    quint32 hash = 2166136261u;
    for (QChar c : name) {
        const char16_t unit = c.unicode();
        for (const quint32 byte : {quint32(unit & 0xFF), quint32(unit >> 8)}) {
            hash ^= byte;
            hash *= 16777619u;
        }
    }
    return hash;
}

QString memberKey(QStringView name) {
    return QStringLiteral("%1").arg(nameHash(name), 8, 16, QChar(u'0')).toUpper() + name.toString();
}

} // namespace json
