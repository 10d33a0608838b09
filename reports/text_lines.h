#pragma once

#include <QByteArray>
#include <QList>

// The lines of a text file, each ended by CR LF, CR or LF; the last line
// needs no end.
QList<QByteArray> textLines(const QByteArray& bytes);
