#pragma once

#include <QByteArray>
#include <QString>

namespace jpegdecoder {

// Decodes the whole picture with libjpeg. Empty when it decodes with neither
// an error nor a warning; else the decoder's own words for the first problem.
// A damaged picture that a lenient reader still shows (cut short, garbled
// scan data) fails here, as PDF readers draw it as grey blocks.
QString problem(const QByteArray& file);

} // namespace jpegdecoder
