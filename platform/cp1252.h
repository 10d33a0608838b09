#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of settings, text reports and PDFs.
namespace cp1252 {

// Characters the code page lacks become '?'.
QByteArray encode(const QString& text);
// Every character of the text has a byte of its own (encode keeps it).
bool holds(const QString& text);
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character; they map to the
// C1 control of the same value so that nothing is lost.
QString decode(const QByteArray& bytes);
// The byte for one character, or '?' when the code page lacks it.
unsigned char byteOf(QChar c);
QChar charOf(unsigned char byte);

} // namespace cp1252
