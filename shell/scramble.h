#pragma once

#include <QByteArray>
#include <QString>

// The settings file's scrambling: each byte of the text's single-byte form is
// combined by exclusive-or with a cycling key and written as hexadecimal. The
// combined bytes may be 0x00 or bytes without a character, so they stay bytes
// between the two steps.
namespace scramble {

// Exclusive-or with the key; applying it twice gives the input back.
QByteArray combineWithKey(const QByteArray& bytes);
// Two upper-case hexadecimal digits per byte.
QString TextoParaHex(const QByteArray& bytes);
// Pairs of hexadecimal digits back to bytes; a pair stops reading at its
// first non-hexadecimal character, and a lone last character is read alone.
QByteArray HexParaTexto(const QString& hex);

QString CriptografaTexto(const QString& text);
QString DescriptografaTexto(const QString& scrambled);

} // namespace scramble
