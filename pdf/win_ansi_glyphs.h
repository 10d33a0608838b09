#pragma once

#include <QByteArray>

// The glyph a viewer draws for each byte of a text in a standard font under
// WinAnsiEncoding, by its name in the font's metrics. The bytes are those of
// Windows-1252; an unassigned byte from 128 up (and 127) draws a bullet.
namespace winansi {

// The glyph name of the byte; empty for the control codes 0 to 31.
QByteArray glyphName(unsigned char code);

} // namespace winansi
