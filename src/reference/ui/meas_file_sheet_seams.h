#pragma once

#include <functional>
#include <optional>

#include "reference/coat_base_list.h"
#include "reference/meas_file_data.h"
#include "reference/ui/condition_edit_context.h"

class QWidget;

namespace klv {

// The dialogs the condition pages open; tests replace them.
struct MeasFileSheetSeams {
    // The coating of layer k (0-4), or the base when layer is -1, chosen under `anchor`;
    // `offerDelete` offers "Delete" for the layer. Nothing when cancelled.
    std::function<std::optional<CoatBaseChoice>(int layer, bool offerDelete, const MeasFileData& d,
                                                QWidget* anchor)>
        chooseCoatBase;
    // A test solution code for the coating on the base; 0 when nothing was chosen.
    std::function<int(int coating, int base, QWidget* parent)> selectSolution;
    // The special solution pairs of tin over an alloy layer; false when cancelled.
    std::function<bool(MeasFileData& d, QWidget* parent)> chooseSpecialSolution;
    // Copies the chosen items of another channel into the condition and returns them (the
    // kCopy... bits); 0 when cancelled.
    std::function<unsigned(MeasFileData& target, QWidget* parent)> copyFromOtherChannel;
};

// The program's own dialogs over the context.
MeasFileSheetSeams DefaultMeasFileSheetSeams(ConditionEditContext& ctx);

}  // namespace klv
