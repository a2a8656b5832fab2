#include "base/glyph_text.h"

#include <cstdlib>

namespace klv {
namespace {

int EscapeGlyph(char c) {
    int n = static_cast<unsigned char>(c) - '0';
    return n >= 0 && n <= 15 ? static_cast<unsigned char>(c) % 16 : -1;
}

}  // namespace

std::vector<GlyphRun> ParseGlyphText(std::string_view text) {
    std::vector<GlyphRun> runs;
    std::string pending;
    for (std::size_t i = 0; i < text.size(); ++i) {
        int glyph = text[i] == '%' && i + 1 < text.size() ? EscapeGlyph(text[i + 1]) : -1;
        if (glyph < 0) {
            pending += text[i];
            continue;
        }
        if (!pending.empty())
            runs.push_back({std::move(pending), -1});
        pending.clear();
        runs.push_back({{}, glyph});
        ++i;
    }
    if (!pending.empty())
        runs.push_back({std::move(pending), -1});
    return runs;
}

int CountGlyphEscapes(std::string_view text) {
    int n = 0;
    for (const GlyphRun& r : ParseGlyphText(text))
        n += r.glyph >= 0 ? 1 : 0;
    return n;
}

std::optional<GlyphStripChoice> ChooseGlyphStrip(int h) {
    int best = 0;
    if (h >= 11 && h <= 18) {
        for (int s = 1; s < static_cast<int>(kGlyphStripCells.size()); ++s) {
            if (std::abs(kGlyphStripCells[s] - h) <= std::abs(kGlyphStripCells[best] - h))
                best = s;
        }
        return GlyphStripChoice{best, 1};
    }
    if (h <= 0)
        return std::nullopt;
    for (int s = 1; s < static_cast<int>(kGlyphStripCells.size()); ++s) {
        if (h % kGlyphStripCells[s] <= h % kGlyphStripCells[best])
            best = s;
    }
    int scale = h / kGlyphStripCells[best];
    if (scale < 1)
        return std::nullopt;
    return GlyphStripChoice{best, scale};
}

int GlyphTextWidth(int textExtent, int xWidth, int escapes, int glyphWidth) {
    return textExtent - escapes * 2 * xWidth + escapes * glyphWidth;
}

GlyphPoint GlyphTextOrigin(int left, int top, int width, int height, int textWidth, int textHeight,
                           int flags) {
    int x = left;
    if (flags & kGlyphAlignCenter)
        x = left + (width - textWidth) / 2;
    else if (flags & kGlyphAlignRight)
        x = left + width - textWidth;
    int y = top;
    if (flags & kGlyphAlignVCenter)
        y = top + (height - textHeight) / 2;
    else if (flags & kGlyphAlignBottom)
        y = top + height - textHeight;
    return {x, y};
}

}  // namespace klv
