#pragma once

#include <QFontMetrics>

// Window designs measure in twips; a pixel is fifteen of them.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

// The designs' text widths assumed a font whose characters average six
// pixels; a width meant for text grows with the font actually used.
inline int twipsToPixels(int twips, const QFontMetrics& metrics) {
    constexpr int kDesignCharTwips = 6 * 15;
    return (twips * metrics.averageCharWidth() + kDesignCharTwips / 2) / kDesignCharTwips;
}
