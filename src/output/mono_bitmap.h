#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace klv {

// A monochrome bitmap as the roll-paper output draws it: rows of bytes, leftmost dot in the
// highest bit, a set bit white (the drawing's background).
struct MonoBitmap {
    int width = 0;  // dots, a multiple of 32
    int height = 0;
    std::vector<std::uint8_t> bits;

    int BytesPerRow() const { return width / 8; }
    std::span<const std::uint8_t> Row(int r) const {
        return {bits.data() + static_cast<std::size_t>(r) * BytesPerRow(),
                static_cast<std::size_t>(BytesPerRow())};
    }
    bool IsBlack(int x, int y) const {
        return (Row(y)[static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8))) == 0;
    }
};

// A white bitmap at least `minWidth` dots wide, widened to the next multiple of 32.
MonoBitmap MakeWhiteBitmap(int minWidth, int height);
int RoundUpToRasterWidth(int dots);

}  // namespace klv
