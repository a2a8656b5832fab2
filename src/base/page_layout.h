#pragma once

#include <string>
#include <vector>

#include "base/print_geometry.h"

namespace klv {

// Where a title line's two texts stand; the ui measures the right-hand text.
struct TitleLinePlacement {
    int leftX = 0;
    int rightX = 0;  // start of the right-hand text, which ends at the right edge
    int y = 0;
    int nextY = 0;  // the line after the title
};
TitleLinePlacement PlaceTitleLine(const PrintRect& rect, int rightTextWidth, int charHeight);

// One label/value cell of a report table.
struct LabelValueEntry {
    std::string label;
    std::string value;
    int fixedWidth = 0;  // 0: as wide as the longer text
    int alignment = 0;   // 1: both right-aligned; 2: value ends under a longer label
};

struct LabelValueLayout {
    int startX = 0;
    int y = 0;  // in: the first row's label line; out: the bottom of the last row
    int gapX = 0;
    int labelValueGap = 0;
    int rowGap = 0;
};

struct CellPlacement {
    int labelX = 0;
    int labelY = 0;
    int valueX = 0;
    int valueY = 0;
};

// Cells flow left to right and start a new row when one would not end before `rightEdge`.
// Texts are measured in characters of the fixed-pitch print font.
std::vector<CellPlacement> PlaceLabelValueTable(LabelValueLayout& layout,
                                                const std::vector<LabelValueEntry>& entries,
                                                int charWidth, int charHeight, int rightEdge);

}  // namespace klv
