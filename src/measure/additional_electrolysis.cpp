#include "measure/additional_electrolysis.h"

#include "base/check_messages.h"
#include "base/number_parse.h"
#include "measure/meas_run.h"
#include "reference/resolution_table.h"
#include "reference/unit_conversion.h"
#include "results/thickness.h"

namespace klv {

AddElectrolysisCheck CheckAddElectrolysis(bool byCount, const std::string& count, bool blanking,
                                          const std::string& seconds) {
    AddElectrolysisCheck c;
    if (byCount) {
        const std::optional<int> n = ParseInt(count);
        if (!n || *n < 1 || *n > 999) {
            c.field = AddElectrolysisField::Count;
            c.message = RangeMessage(1, 999);
            return c;
        }
        c.run = AddElectrolysisRun{static_cast<std::uint32_t>(*n), 0, false};
        return c;
    }
    const std::optional<int> s = ParseInt(seconds);
    if (blanking && (!s || *s < 0 || *s > 40)) {
        c.field = AddElectrolysisField::Seconds;
        c.message = RangeMessage(0, 40);
        return c;
    }
    c.run = AddElectrolysisRun{0, static_cast<std::uint8_t>(blanking ? *s : 0), true};
    return c;
}

float AddedLayerValue(const MeasFileData& d, int k, float storedMicrometres, std::uint32_t counts,
                      int& displayMode) {
    const float stored = ToUnit(storedMicrometres, d.bUnit);
    const ResolutionRow* row =
        k >= 0 && k < kMaxLayers ? FindResolution(d.bUnit, d.coat[k].bRange) : nullptr;
    if (row == nullptr || row->scale == 0)
        return stored;
    float added = static_cast<float>(counts) / static_cast<float>(row->scale);
    if (ApplyWtCorrection(d, added))
        displayMode = kDisplayModeWtApplied;
    return stored + added;
}

}  // namespace klv
