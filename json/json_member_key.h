#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace json {

// 32-bit FNV-1a over the name's UTF-16LE bytes.
quint32 nameHash(QStringView name);
// The key a member is stored under: the hash as 8 upper-case hexadecimal
// digits followed by the name itself, so names match exactly, letter case
// included.
QString memberKey(QStringView name);

} // namespace json
