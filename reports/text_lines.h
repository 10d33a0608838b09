#pragma once

#include <QByteArray>
#include <QList>

// The lines of a text file, each ended by CR LF, CR or LF; the last line
// needs no end.
QList<QByteArray> textLines(const QByteArray& bytes);
// Without its leading and trailing blanks; tabs and form feeds stay.
QByteArray trimBlanks(const QByteArray& line);
