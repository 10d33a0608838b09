#pragma once

#include <QString>
#include <array>

// Character widths read from the metric section of an AFM file, in
// thousandths of the font size, indexed by the 8-bit character code.
namespace afm {

using Widths = std::array<int, 256>;

// Reads the encoded character lines; codes outside the section's first and
// last code measure 0. Throws PDFError (MissingMetrics) when the file cannot
// be read, a metric line is malformed, a width is not a number from 0 to a
// hundred times the font size, or the file ends inside the metric section.
Widths readWidths(const QString& path);

} // namespace afm
