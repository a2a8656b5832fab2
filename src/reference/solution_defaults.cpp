#include "reference/solution_defaults.h"

#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/solution_combination_table.h"
#include "reference/substance_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr std::uint8_t kDefaultPumpHz = 6;
constexpr std::uint8_t kDefaultBlankingS = 5;
constexpr std::uint8_t kSensitivityCopperOnMoSus = 3;
constexpr std::uint8_t kSensitivityAlloy = 4;
constexpr int kContentSolderSpecialLow = 30;   // special pair above this …
constexpr int kContentSolderSpecialHigh = 50;  // … up to this
constexpr int kContentHighLead = 90;

std::uint8_t DefaultPump(const MeasFileData& d, const LayerCondition& c,
                         const SolutionCombinationRow* row) {
    if (d.bGasket == kGasketWT)
        return 0;
    if (c.bCode != GoldCoatingCode && IsLowRange(c.bRange))
        return 0;
    if (row == nullptr || row->pumpOff)
        return 0;
    return kDefaultPumpHz;
}

bool HasAlloyBelow(const MeasFileData& d, int k) {
    return k + 1 < kMaxLayers && IsAlloyLayer(d.coat[k + 1]);
}

void SetSolution(LayerCondition& c, std::uint8_t solution, std::uint8_t sensitivity) {
    c.bSolution = solution;
    c.bSensitivity = sensitivity;
}

}  // namespace

bool ApplyCombinationDefaults(MeasFileData& d) {
    if (d.nItemCt != 0)
        return false;
    for (int k = 0; k < GetCoatCount(d); ++k) {
        LayerCondition& c = d.coat[k];
        const UnderSubstance us = GetUnderSubstance(d, k);
        const SolutionCombinationRow* row = FindCombination(us.coating, us.substance);
        c.bPump = DefaultPump(d, c, row);
        c.fCurrent = 0.0f;
        if (row != nullptr) {
            c.bLayerFlags |= kLayerCurrentAuto;
            c.bSolution = row->solution;
            const bool copperOnMoSus =
                us.coating == kCoatCopper &&
                (us.substance == kSubstMolybdenum || us.substance == kSubstStainless);
            c.bSensitivity = copperOnMoSus ? kSensitivityCopperOnMoSus : kSensitivityAutomatic;
            c.bBlanking = kDefaultBlankingS;
        } else {
            c.bLayerFlags &= static_cast<std::uint8_t>(~kLayerCurrentAuto);
            c.bSolution = 0;
            c.bSensitivity = kSensitivityAutomatic;
        }
        if (k > 0 && c.bCode == kCoatNickel && d.coat[k - 1].bCode == kCoatNickel)
            c.bSolution = kSolutionE37;
    }
    d.bOldBlanking = kLegacyBlankingMoved;
    return true;
}

bool AnySpecialPair(const SpecialPairLayers& layers) {
    for (bool needed : layers)
        if (needed)
            return true;
    return false;
}

SpecialPairLayers ApplyAlloySolutionRules(MeasFileData& d) {
    SpecialPairLayers special{};
    const int p = d.bContent;
    const int layers = GetCoatCount(d);
    for (int k = 0; k < layers; ++k) {
        LayerCondition& c = d.coat[k];
        const bool alloyBelow = HasAlloyBelow(d, k);
        if (c.bCode == kCoatSolder && alloyBelow) {
            if (p < kContentHighLead && p > kContentSolderSpecialLow &&
                p <= kContentSolderSpecialHigh) {
                special[k] = true;
                continue;
            }
            if (p < kContentHighLead)
                SetSolution(c, kSolutionE26, kSensitivityAlloy);
            else
                SetSolution(c, kSolutionE31, kSensitivityAutomatic);
            SetSolution(d.coat[k + 1], kSolutionE26, kSensitivityAlloy);
        } else if ((c.bCode == kCoatTin || c.bCode == kCoatTinWire) && alloyBelow) {
            special[k] = true;
        } else if (c.bCode == kCoatSolder) {
            SetSolution(c, p < kContentHighLead ? kSolutionE21 : kSolutionE31,
                        kSensitivityAutomatic);
        }
    }
    return special;
}

bool GetSpecialSolutionPairs(const MeasFileData& d, int k,
                             std::array<SpecialSolutionPair, 2>& pairs) {
    if (k < 0 || k >= kMaxLayers || !HasAlloyBelow(d, k))
        return false;
    const std::uint8_t code = d.coat[k].bCode;
    if (!IsTinTypeCoating(code))
        return false;
    const std::uint8_t first = code == kCoatSolder ? kSolutionE21 : kSolutionE24;
    pairs = {{{first, kSensitivityAutomatic, kSolutionE26, kSensitivityAlloy},
              {kSolutionE26, kSensitivityAlloy, kSolutionE26, kSensitivityAlloy}}};
    return true;
}

bool ApplySpecialSolutionPair(MeasFileData& d, int k, int choice) {
    std::array<SpecialSolutionPair, 2> pairs{};
    if (choice < 0 || choice > 1 || !GetSpecialSolutionPairs(d, k, pairs))
        return false;
    const SpecialSolutionPair& pair = pairs[static_cast<std::size_t>(choice)];
    SetSolution(d.coat[k], pair.solution, pair.sensitivity);
    SetSolution(d.coat[k + 1], pair.alloySolution, pair.alloySensitivity);
    return true;
}

}  // namespace klv
