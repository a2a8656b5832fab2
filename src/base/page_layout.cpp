#include "base/page_layout.h"

#include <algorithm>

namespace klv {

TitleLinePlacement PlaceTitleLine(const PrintRect& rect, int rightTextWidth, int charHeight) {
    TitleLinePlacement p;
    p.leftX = rect.left;
    p.rightX = rect.right - rightTextWidth;
    p.y = rect.top;
    p.nextY = rect.top + charHeight * 3 / 2;
    return p;
}

std::vector<CellPlacement> PlaceLabelValueTable(LabelValueLayout& layout,
                                                const std::vector<LabelValueEntry>& entries,
                                                int charWidth, int charHeight, int rightEdge) {
    std::vector<CellPlacement> cells;
    cells.reserve(entries.size());
    const int cellHeight = 2 * charHeight + layout.labelValueGap;
    int x = layout.startX;
    int y = layout.y;
    bool rowStarted = false;
    for (const LabelValueEntry& e : entries) {
        const int labelWidth = static_cast<int>(e.label.size()) * charWidth;
        const int valueWidth = static_cast<int>(e.value.size()) * charWidth;
        const int width = e.fixedWidth > 0 ? e.fixedWidth : std::max(labelWidth, valueWidth);
        if (rowStarted && x + width >= rightEdge) {
            x = layout.startX;
            y += cellHeight + layout.rowGap;
        }
        CellPlacement c{x, y, x, y + charHeight + layout.labelValueGap};
        if (e.alignment == 1) {
            c.labelX = x + width - labelWidth;
            c.valueX = x + width - valueWidth;
        } else if (e.alignment == 2 && labelWidth > valueWidth) {
            c.valueX = x + labelWidth - valueWidth;
        }
        cells.push_back(c);
        x += width + layout.gapX;
        rowStarted = true;
    }
    layout.y = entries.empty() ? layout.y : y + cellHeight;
    return cells;
}

}  // namespace klv
