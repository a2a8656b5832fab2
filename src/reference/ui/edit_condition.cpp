#include "reference/ui/edit_condition.h"

#include "reference/ui/meas_file_sheet.h"

namespace klv {

bool EditCondition(ConditionEditContext& ctx, MeasFileData& d, int index, bool calibration,
                   QWidget* parent) {
    return EditCondition(ctx, d, index, calibration, parent, DefaultMeasFileSheetSeams(ctx));
}

bool EditCondition(ConditionEditContext& ctx, MeasFileData& d, int index, bool calibration,
                   QWidget* parent, MeasFileSheetSeams seams) {
    CMeasFileSheet sheet(ctx, d, index, calibration, std::move(seams), parent);
    sheet.exec();
    // Apply may have taken a copy before the sheet was cancelled.
    if (!sheet.Confirmed())
        return false;
    d = sheet.ConfirmedData();
    return true;
}

}  // namespace klv
