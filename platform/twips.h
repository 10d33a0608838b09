#pragma once

// Window designs measure in twips; a pixel is fifteen of them.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}
