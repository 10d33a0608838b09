#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace jpegdecoder {

// What libjpeg made of a whole picture.
struct Reading {
    enum class Verdict {
        Decoded,  // with neither an error nor a warning
        TooLarge, // it needs more memory than a decode may take
        Damaged,
    };
    Verdict verdict = Verdict::Damaged;
    // The decoder's own words for the first problem.
    QString problem;
    // The frame header the decoder used.
    int width = 0;
    int height = 0;
    int components = 0;
    bool arithmetic = false;
};

// The memory one decode may take: a 24-megapixel progressive photo needs
// about half of it; a picture that needs more is refused before it is taken.
inline constexpr long kMemoryLimit = 256L * 1024 * 1024;

// The reading of a picture file's bytes. A damaged picture that a lenient
// reader still shows (cut short, garbled scan data) fails here, as PDF
// readers draw it as grey blocks. The reading is remembered with the file's
// size, time and bytes: a file is decoded again only when it changed.
Reading reading(const QString& path, const QDateTime& modified, const QByteArray& bytes);

} // namespace jpegdecoder
