#include "reports/text_lines.h"

QList<QByteArray> textLines(const QByteArray& bytes) {
    QList<QByteArray> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        out << bytes.mid(start, i - start);
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        out << bytes.mid(start);
    return out;
}

QByteArray trimBlanks(const QByteArray& line) {
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && line.at(start) == ' ')
        ++start;
    while (end > start && line.at(end - 1) == ' ')
        --end;
    return line.mid(start, end - start);
}
