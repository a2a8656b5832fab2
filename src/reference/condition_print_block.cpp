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

int LayerTable(ReportPage& page, int x, int y, const MeasFileData& d) {
    const ReportMetrics& m = page.Metrics();
    std::size_t longest = 0;
    for (const char* label : {"Coating", "Test solution", "Sensitivity", "Range", "Auto stop"})
        longest = std::max(longest, std::string_view(label).size());
    const int s = m.c * static_cast<int>(longest + 4);
    const std::array<int, 6> stops = {
        s, s + 9 * m.c, s + 18 * m.c, s + 27 * m.c, s + 36 * m.c, s + 45 * m.c};
    const int layers = GetCoatCount(d);
    std::array<LayerTexts, kMaxLayers> texts;  // no braces: clang 14 crashes on them here
    for (int k = 0; k < layers; ++k)
        texts[k] = MakeLayerTexts(d, k);
    for (int row = 0; row < kLayerTextCount; ++row) {
        std::string line = kLayerTextCaptions[row];
        for (int k = 0; k < layers; ++k)
            line += "\t" +
                    (row == kLayerTextCount - 1 ? DropLeadingBlanks(texts[k][row]) : texts[k][row]);
        page.Tabbed(x, y, line, stops);
        y += row + 1 < kLayerTextCount ? 5 * m.h / 4 : 3 * m.h / 2;
    }
    return y;
}

int SideTable(ReportPage& page, int x, int y, const MeasFileData& d,
              const CalibrationStore* calibration) {
    const ReportMetrics& m = page.Metrics();
    const SideTexts side = MakeSideTexts(d, calibration);
    // Each column as wide as its label and two blanks; the first stop at 8 characters.
    std::vector<int> stops;
    int stop = 8 * m.c;
    for (int i = 1; i < kSideTextCount; ++i) {
        stops.push_back(stop);
        stop += m.c * (ShownTextLength(kSideTextCaptions[i]) + 2);
    }
    std::string header = kSideTextCaptions[0];
    std::string values = side[0];
    for (int i = 1; i < kSideTextCount; ++i) {
        header += std::string("\t") + kSideTextCaptions[i];
        values += "\t" + side[i];
    }
    page.Tabbed(x, y, header, stops);
    y += 5 * m.h / 4;
    page.Tabbed(x, y, values, stops);
    return y + 3 * m.h / 2;
}

}  // namespace

int ConditionPrintBlock(ReportPage& page, int x, int y, int right, const MeasFileData& d,
                        const CalibrationStore* calibration) {
    const ReportMetrics& m = page.Metrics();
    page.Text(x, y, "Measure Condition");
    y += 5 * m.h / 4;
    y = LayerTable(page, x, y, d);
    y = SideTable(page, x, y, d, calibration);
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
