#include "app/condition_cells.h"

#include <algorithm>

#include "reference/condition_rules.h"
#include "reference/condition_texts.h"

namespace klv {
namespace {

constexpr int kFirstLayerColumn = 1;
constexpr int kLabelColumn = 6;
constexpr int kValueColumn = 7;

// The lines from the top; the cell's other lines stay as they are.
template <typename T, std::size_t N>
void CopyLines(const std::array<T, N>& lines, ConditionCell& cell) {
    static_assert(N <= kConditionLineCount);
    std::copy(lines.begin(), lines.end(), cell.begin());
}

}  // namespace

std::array<ConditionCell, kConditionColumnCount> ConditionTableCells(
    const MeasFileData* d, const CalibrationStore* calibration,
    const CalibrationSchedule* schedule) {
    // Every string starts empty; no braces: clang 14 crashes on this aggregate's
    // value-initialisation.
    std::array<ConditionCell, kConditionColumnCount> cells;
    CopyLines(kLayerTextCaptions, cells[0]);
    CopyLines(kSideTextCaptions, cells[kLabelColumn]);
    if (d == nullptr)
        return cells;
    for (int k = 0; k < GetCoatCount(*d); ++k)
        CopyLines(MakeLayerTexts(*d, k), cells[kFirstLayerColumn + k]);
    CopyLines(MakeSideTexts(*d, calibration, schedule), cells[kValueColumn]);
    return cells;
}

}  // namespace klv
