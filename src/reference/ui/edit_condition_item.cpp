#include "reference/ui/edit_condition_item.h"

#include <memory>

#include "reference/condition_items.h"
#include "reference/ui/meas_item_alloy.h"
#include "reference/ui/meas_item_auto_stop.h"
#include "reference/ui/meas_item_blanking.h"
#include "reference/ui/meas_item_meas_unit.h"
#include "reference/ui/meas_item_pump.h"
#include "reference/ui/meas_item_range.h"
#include "reference/ui/meas_item_sensitive.h"
#include "reference/ui/meas_item_solution.h"

namespace klv {

namespace {

template <typename Dialog>
std::unique_ptr<CMeasItemDialog> Make(ConditionEditContext& ctx, const MeasFileData& d, int index,
                                      QWidget* parent) {
    return std::make_unique<Dialog>(ctx, d, index, parent);
}

std::unique_ptr<CMeasItemDialog> MakeItemDialog(ConditionItem item, ConditionEditContext& ctx,
                                                const MeasFileData& d, int index, QWidget* parent) {
    switch (item) {
        case ConditionItem::Sensitivity:
            return Make<CMeasItemSensitive>(ctx, d, index, parent);
        case ConditionItem::Solution:
            return Make<CMeasItemSolution>(ctx, d, index, parent);
        case ConditionItem::Range:
            return Make<CMeasItemRange>(ctx, d, index, parent);
        case ConditionItem::Pump:
            return Make<CMeasItemPump>(ctx, d, index, parent);
        case ConditionItem::AutoStop:
            return Make<CMeasItemAutoStop>(ctx, d, index, parent);
        case ConditionItem::Blanking:
            return Make<CMeasItemBlanking>(ctx, d, index, parent);
        case ConditionItem::Unit:
            return Make<CMeasItemMeasUnit>(ctx, d, index, parent);
        case ConditionItem::Alloy:
            return Make<CMeasItemAlloy>(ctx, d, index, parent);
    }
    return nullptr;
}

}  // namespace

bool EditConditionItem(int commandId, ConditionEditContext& ctx, MeasFileData& d, int index,
                       QWidget* parent) {
    const std::optional<ConditionItem> item = ConditionItemForCommand(commandId);
    if (!item)
        return false;
    std::unique_ptr<CMeasItemDialog> dialog = MakeItemDialog(*item, ctx, d, index, parent);
    if (!dialog || dialog->exec() != QDialog::Accepted)
        return false;
    d = dialog->Condition();
    return true;
}

}  // namespace klv
