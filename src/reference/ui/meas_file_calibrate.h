#pragma once

#include "reference/ui/meas_file_structure_page.h"

namespace klv {

// "Setting calibration condition": the coating of the standard (and the alloy layer under
// it), its ranges, base, unit and a gasket A to C.
class CMeasFileCalibrate : public CMeasFileStructurePage {
    Q_OBJECT
public:
    CMeasFileCalibrate(MeasFileSheetState& s, QWidget* parent);

    void Refresh() override;
    bool Confirm() override;

protected:
    bool BoxClickable(int k) const override;
    // The alloy row comes and goes with the structure.
    void RedisplayStructure() override { Refresh(); }
};

}  // namespace klv
