#pragma once

#include <QString>
#include <array>

// Character widths read from the metric section of an AFM file, in
// thousandths of the font size, indexed by the Windows-1252 byte of a text.
namespace afm {

using Widths = std::array<int, 256>;

// Reads every character metric line up to EndCharMetrics, the unencoded
// glyphs included, keyed by glyph name. Each byte gets the width of the glyph
// a viewer draws for it: the one WinAnsiEncoding names, or, in a font of its
// own encoding (EncodingScheme FontSpecific), the one listed under the byte's
// code. A byte whose glyph the file lacks measures as the font's missing
// glyph (".notdef"), else the blank, else the widest glyph; never 0 while the
// file lists a glyph. Throws PDFError (MissingMetrics) when the file cannot
// be read, a metric line is malformed or has no name, a width is not a
// number from 0 to a hundred times the font size, or the file ends inside
// the metric section.
Widths readWidths(const QString& path);

} // namespace afm
