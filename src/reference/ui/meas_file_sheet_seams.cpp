#include "reference/ui/meas_file_sheet_seams.h"

#include "base/fixed_text.h"
#include "reference/ui/coat_base_select.h"
#include "reference/ui/copy_from_channel.h"
#include "reference/ui/solution_select.h"
#include "reference/ui/special_solution.h"

namespace klv {

MeasFileSheetSeams DefaultMeasFileSheetSeams(ConditionEditContext& ctx) {
    MeasFileSheetSeams seams;
    seams.chooseCoatBase = [&ctx](int layer, bool offerDelete, const MeasFileData& d,
                                  QWidget* anchor) -> std::optional<CoatBaseChoice> {
        const bool base = layer < 0;
        const std::string name = base ? GetFixedText(d.baseName) : GetFixedText(d.coat[layer].Name);
        const bool hasCoating = !base && d.coat[layer].bCode != 0;
        CCoatBaseSelect dialog(base ? CoatBaseKind::Base : CoatBaseKind::Coating, name, offerDelete,
                               hasCoating, ctx.op, anchor, anchor);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Choice();
    };
    seams.selectSolution = [&ctx](int coating, int base, QWidget* parent) {
        return SelectSolution(coating, base, ctx.ini, ctx.oneClickActivate, parent);
    };
    seams.chooseSpecialSolution = [&ctx](MeasFileData& d, QWidget* parent) {
        CSpecialSolution dialog(d, ctx.op, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    seams.copyFromOtherChannel = [&ctx](MeasFileData& target, QWidget* parent) {
        return CopyFromOtherChannel(ctx.store, ctx.calibration, ctx.ini, ctx.oneClickActivate,
                                    ctx.op, target, parent);
    };
    return seams;
}

}  // namespace klv
