#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klv {

inline constexpr std::uint8_t kAnsiFontCharSet = 0;
inline constexpr std::uint8_t kShiftJisFontCharSet = 128;

// A print font as "Printer set" chooses it.
struct PrintFontChoice {
    std::string face;
    std::uint8_t charSet = kAnsiFontCharSet;
    int sizeTenths = 0;
};

// Everything "Printer set" edits.
struct PrinterSetupValues {
    bool rollPaper = false;
    int modelId = 1;
    int mode = 1;  // the whole LinePrinter/MeasDataPrint word
    PrintFontChoice page;
    PrintFontChoice rollPaperFont;
};

struct PointSizeRange {
    int min;
    int max;
};
inline constexpr PointSizeRange kRollPaperPointSizes{9, 20};
inline constexpr PointSizeRange kPagePointSizes{4, 20};

// The standard size list up to 20 points.
std::vector<int> ListedPointSizes();
// A typed size: a whole number within the range, else nothing.
std::optional<int> CheckPointSize(std::string_view text, PointSizeRange range);

// The one mode bit the word selects (the first of 1, 4, 8 that is set; 1 when none is).
int SelectedPrintMode(int word);
// The word with its mode bits replaced by `modeBit`; other bits are kept.
int WithPrintMode(int word, int modeBit);
// A pending five-data line must go out before the change.
bool LeavesFiveDataMode(int oldWord, int newWord);

// One entry per face, sorted; a face that exists in both character sets stays Shift-JIS.
struct FontFace {
    std::string face;
    std::uint8_t charSet;
};
std::vector<FontFace> MergeFontFaces(std::vector<FontFace> faces);

}  // namespace klv
