#include "reference/condition_print_block.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/page_layout.h"
#include "reference/condition_display_text.h"
#include "reference/condition_texts.h"

namespace klv {

namespace {

constexpr int kExtraValueWidth = 5;

std::string DropLeadingBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// How many columns from `first` fit from `left` to `right`: each column's start plus its widest
// text; at least one, so nothing is dropped on paper too narrow for any.
std::size_t ColumnsThatFit(const std::vector<int>& starts, const std::vector<int>& widths,
                           std::size_t first, int room) {
    std::size_t n = 1;
    while (first + n < starts.size() &&
           starts[first + n] - starts[first] + widths[first + n] <= room)
        ++n;
    return n;
}

// The layers side by side, each column at least nine characters and wider than its longest
// text, so no text reaches the next column and no value slips under the wrong coating. Layers
// the paper cannot hold go into a second block below.
int LayerTable(ReportPage& page, int x, int y, int right, const MeasFileData& d) {
    const ReportMetrics& m = page.Metrics();
    std::size_t longest = 0;
    for (const char* label : {"Coating", "Test solution", "Sensitivity", "Range", "Auto stop"})
        longest = std::max(longest, std::string_view(label).size());
    const int s = m.c * static_cast<int>(longest + 4);
    const int layers = GetCoatCount(d);
    std::array<LayerTexts, kMaxLayers> texts;  // no braces: clang 14 crashes on them here
    int widest = 0;
    for (int k = 0; k < layers; ++k) {
        texts[k] = MakeLayerTexts(d, k);
        texts[k][kLayerTextCount - 1] = DropLeadingBlanks(texts[k][kLayerTextCount - 1]);
        for (const std::string& t : texts[k])
            widest = std::max(widest, page.Width(t));
    }
    const int column = std::max(9 * m.c, widest + m.c);
    std::vector<int> starts(static_cast<std::size_t>(layers));
    std::vector<int> widths(static_cast<std::size_t>(layers), widest);
    for (int k = 0; k < layers; ++k)
        starts[static_cast<std::size_t>(k)] = k * column;
    std::size_t first = 0;
    do {
        const std::size_t n = ColumnsThatFit(starts, widths, first, right - x - s);
        for (int row = 0; row < kLayerTextCount; ++row) {
            page.Text(x, y, kLayerTextCaptions[row]);
            for (std::size_t k = first; k < first + n; ++k)
                if (!texts[k][row].empty())
                    page.Text(x + s + starts[k] - starts[first], y, texts[k][row]);
            y += row + 1 < kLayerTextCount ? 5 * m.h / 4 : 3 * m.h / 2;
        }
        first += n;
    } while (first < starts.size());
    return y;
}

// Captions over their values, each column as wide as its caption or value and two blanks, the
// first at least eight characters; what the paper cannot hold goes below.
int SideTable(ReportPage& page, int x, int y, int right, const MeasFileData& d,
              const CalibrationStore* calibration) {
    const ReportMetrics& m = page.Metrics();
    const SideTexts side = MakeSideTexts(d, calibration);
    std::vector<int> starts, widths;
    int at = 0;
    for (int i = 0; i < kSideTextCount; ++i) {
        const int width = std::max(page.Width(kSideTextCaptions[i]), page.Width(side[i]));
        starts.push_back(at);
        widths.push_back(width);
        at += std::max(i == 0 ? 8 * m.c : 0, width + 2 * m.c);
    }
    std::size_t first = 0;
    do {
        const std::size_t n = ColumnsThatFit(starts, widths, first, right - x);
        for (std::size_t i = first; i < first + n; ++i) {
            page.Text(x + starts[i] - starts[first], y, kSideTextCaptions[i]);
            if (!side[i].empty())
                page.Text(x + starts[i] - starts[first], y + 5 * m.h / 4, side[i]);
        }
        y += 5 * m.h / 4 + 3 * m.h / 2;
        first += n;
    } while (first < starts.size());
    return y;
}

}  // namespace

int ConditionPrintBlock(ReportPage& page, int x, int y, int right, const MeasFileData& d,
                        const CalibrationStore* calibration) {
    const ReportMetrics& m = page.Metrics();
    page.Text(x, y, "Measure Condition");
    y += 5 * m.h / 4;
    y = LayerTable(page, x, y, right, d);
    y = SideTable(page, x, y, right, d, calibration);
    const std::vector<ConditionExtraItem> extras = MakeConditionExtraItems(d, kExtraValueWidth);
    if (extras.empty())
        return y;
    std::vector<LabelValueEntry> entries;
    for (const ConditionExtraItem& e : extras)
        entries.push_back({e.label, e.value});
    LabelValueLayout layout{x, y, 2 * m.c, m.h / 4, m.h / 4};
    const std::vector<CellPlacement> cells = PlaceLabelValueTable(layout, entries, m.c, m.h, right);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        page.Text(cells[i].labelX, cells[i].labelY, entries[i].label);
        page.Text(cells[i].valueX, cells[i].valueY, entries[i].value);
    }
    return layout.y + m.h / 2;
}

}  // namespace klv
