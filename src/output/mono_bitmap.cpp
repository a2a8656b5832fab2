#include "output/mono_bitmap.h"

#include <algorithm>

namespace klv {

int RoundUpToRasterWidth(int dots) {
    return std::max(0, (dots + 31) / 32 * 32);
}

MonoBitmap MakeWhiteBitmap(int minWidth, int height) {
    MonoBitmap b;
    b.width = RoundUpToRasterWidth(minWidth);
    b.height = std::max(0, height);
    b.bits.assign(static_cast<std::size_t>(b.BytesPerRow()) * static_cast<std::size_t>(b.height),
                  0xFF);
    return b;
}

}  // namespace klv
