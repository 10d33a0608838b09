#include "shell/profile_list.h"

namespace {

QString fixedWidth(const QString& text, int width) {
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

} // namespace

QString profileLine(const MenuItemDef& item) {
    return QString(item.level * 4, QLatin1Char('.')) +
           fixedWidth(QString::fromUtf8(item.caption), 60) + QStringLiteral(" - ") +
           profileField(QString::fromUtf8(item.name));
}

QString nameFromProfileLine(const QString& line) {
    return line.mid(line.lastIndexOf(QLatin1Char('-')) + 1).trimmed();
}

QString profileField(const QString& name) {
    return fixedWidth(name, 20);
}
