#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klv {

// Alignment flags of DrawGlyphText.
inline constexpr int kGlyphAlignCenter = 1;
inline constexpr int kGlyphAlignRight = 2;
inline constexpr int kGlyphAlignVCenter = 4;
inline constexpr int kGlyphAlignBottom = 8;

inline constexpr int kGlyphCount = 7;
inline constexpr int kGlyphSuperscriptTwo = 0;
inline constexpr int kGlyphXBar = 5;

// Cell sizes of the five strips, in their order of choice (resources 184 down to 180).
inline constexpr std::array<int, 5> kGlyphStripCells = {11, 13, 16, 19, 24};
inline constexpr std::array<int, 5> kGlyphStripResources = {184, 183, 182, 181, 180};

// One piece of a text: a plain run, or a glyph escape ("%" and "0" to "?").
struct GlyphRun {
    std::string text;  // empty for a glyph
    int glyph = -1;    // 0-15 for a glyph, -1 for text
    bool operator==(const GlyphRun&) const = default;
};

// Splits a text at its glyph escapes; "%" before any other character, or at the end, stays text.
std::vector<GlyphRun> ParseGlyphText(std::string_view text);
int CountGlyphEscapes(std::string_view text);

struct GlyphStripChoice {
    int strip;  // index into kGlyphStripCells
    int scale;  // whole-number magnification, at least 1
    int CellSize() const { return kGlyphStripCells[strip] * scale; }
};

// The strip for a font of cell height H; none when even the largest fit scales to zero.
std::optional<GlyphStripChoice> ChooseGlyphStrip(int cellHeight);

// Width of a text with n escapes: the escape characters give way to the glyph cells.
int GlyphTextWidth(int textExtent, int xWidth, int escapes, int glyphWidth);

struct GlyphPoint {
    int x;
    int y;
    bool operator==(const GlyphPoint&) const = default;
};

// Top-left of a text of the given size inside a rectangle by the alignment flags.
GlyphPoint GlyphTextOrigin(int left, int top, int width, int height, int textWidth, int textHeight,
                           int flags);

}  // namespace klv
