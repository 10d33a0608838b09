#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <array>

// Character widths read from the metric section of an AFM file, in
// thousandths of the font size, indexed by the 8-bit character code.
namespace afm {

using Widths = std::array<int, 256>;

// Reads the encoded character lines; codes outside the section's first and
// last code measure 0. Throws PDFError (MissingMetrics) when the file cannot
// be read or a metric line is malformed.
Widths readWidths(const QString& path);

// Widths of files already read, read again when a file changes on disk.
class WidthCache {
public:
    const Widths& widths(const QString& path);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        Widths widths{};
    };
    QHash<QString, Entry> entries_;
};

} // namespace afm
