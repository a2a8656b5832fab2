#include "reference/layer_output_current.h"

#include "reference/alloy_content_table.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/solution_combination_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

float AlloyCorrectionDivisor(const AlloyContentRow& row, std::uint8_t content) {
    const float f = static_cast<float>(content) / 100.0f;
    return (1.0f + row.c1 * f + row.c2 * (f * f) + row.c3 * (f * f * f)) * row.scale;
}

}  // namespace

float GetOutputCurrent(const MeasFileData& d, int k, bool alloyCorrection) {
    if (k < 0 || k >= GetCoatCount(d))
        return 0.0f;
    const LayerCondition& layer = d.coat[k];
    if ((layer.bLayerFlags & kLayerCurrentAuto) == 0)
        return layer.fCurrent;
    const UnderSubstance u = GetUnderSubstance(d, k);
    const SolutionCombinationRow* row = FindCombination(u.coating, u.substance);
    if (row == nullptr)
        row = FindCombination(u.coating, 0, true);
    if (row == nullptr)
        return 0.0f;
    float current = GetGasketAreaRatio(d.bGasket) * GetCurrentFactor(row->currentFactorRow) *
                    GetRangeRateFactor(layer.bRange);
    if (!alloyCorrection || IsAlloyLayer(layer))
        return current;
    const AlloyContentRow* alloy = FindAlloyContentForCoating(layer.bCode);
    if (alloy == nullptr)
        return current;
    const float divisor = AlloyCorrectionDivisor(*alloy, d.bContent);
    // A garbage content could make the polynomial vanish; the current must stay finite.
    return divisor > 0.0f ? current / divisor : current;
}

}  // namespace klv
