#include "output/printer_setup_rules.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "base/number_parse.h"
#include "output/roll_paper_lines.h"

namespace klv {

std::vector<int> ListedPointSizes() {
    constexpr int kStandard[] = {9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    std::vector<int> sizes;
    for (int s : kStandard) {
        if (s <= 20)
            sizes.push_back(s);
    }
    return sizes;
}

std::optional<int> CheckPointSize(std::string_view text, PointSizeRange range) {
    const std::optional<int> n = ParseInt(text);
    if (!n || *n < range.min || *n > range.max)
        return std::nullopt;
    return n;
}

int SelectedPrintMode(int word) {
    for (int bit : {kPrintOneDataPerLine, kPrintFiveDataPerLine, kPrintAtStatistics}) {
        if ((word & bit) != 0)
            return bit;
    }
    return kPrintOneDataPerLine;
}

int WithPrintMode(int word, int modeBit) {
    return (word & ~kPrintModeBits) | modeBit;
}

bool LeavesFiveDataMode(int oldWord, int newWord) {
    return SelectedPrintMode(oldWord) == kPrintFiveDataPerLine &&
           SelectedPrintMode(newWord) != kPrintFiveDataPerLine;
}

std::vector<FontFace> MergeFontFaces(std::vector<FontFace> faces) {
    // By face; of one face the Shift-JIS entry first, which the merge keeps.
    const auto key = [](const FontFace& f) {
        return std::make_pair(std::cref(f.face), f.charSet != kShiftJisFontCharSet);
    };
    std::stable_sort(faces.begin(), faces.end(),
                     [&](const FontFace& a, const FontFace& b) { return key(a) < key(b); });
    faces.erase(std::unique(faces.begin(), faces.end(),
                            [](const FontFace& a, const FontFace& b) { return a.face == b.face; }),
                faces.end());
    return faces;
}

}  // namespace klv
