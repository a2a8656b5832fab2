#include "reference/condition_rules.h"

#include <cstring>

#include "base/fixed_text.h"
#include "reference/coating_table.h"
#include "reference/resolution_table.h"
#include "reference/substance_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

bool IsLayerIndex(int k) {
    return k >= 0 && k < kMaxLayers;
}

bool IsUsed(const MeasFileData& d, int k) {
    return k < GetCoatCount(d) && IsLayerIndex(k);
}

bool IsAlloyAt(const MeasFileData& d, int k) {
    return IsUsed(d, k) && IsAlloyLayer(d.coat[k]);
}

bool IsCopperTypeBase(int base) {
    return base == kSubstBrass || base == kSubstCopper;
}

// Limits belong to their layer and move with it.
void InsertLayer(MeasFileData& d, int k, const LayerCondition& layer) {
    for (int i = kMaxLayers - 1; i > k; --i) {
        d.coat[i] = d.coat[i - 1];
        d.limits[i] = d.limits[i - 1];
    }
    d.coat[k] = layer;
    std::memset(&d.limits[k], 0, sizeof d.limits[k]);
}

LayerCondition NewAlloyLayer(const LayerCondition& above) {
    LayerCondition alloy;
    std::memset(&alloy, 0, sizeof alloy);
    alloy.bCode = kAlloyLayerCode;
    alloy.bRange = above.bRange;
    return alloy;
}

// An alloy layer lies under a tin-type layer and over a Cu or brass layer, or, as the last
// layer, over a Cu or brass base.
bool IsValidAlloyPlacement(const MeasFileData& d, int k) {
    if (k == 0 || IsAlloyLayer(d.coat[k - 1]) || !IsTinTypeCoating(d.coat[k - 1].bCode))
        return false;
    if (IsUsed(d, k + 1))
        return !IsAlloyLayer(d.coat[k + 1]) && IsCopperTypeCoating(d.coat[k + 1].bCode);
    return IsCopperTypeBase(d.bBaseCode);
}

}  // namespace

std::string GetCoatName(const MeasFileData& d, int k) {
    if (!IsUsed(d, k))
        return {};
    if (IsAlloyLayer(d.coat[k]))
        return "Alloy layer";
    return GetFixedText(d.coat[k].Name);
}

std::string GetCoatNamePadded(const MeasFileData& d, int k) {
    std::string name = GetCoatName(d, k);
    if (name.size() < 6)
        name.append(6 - name.size(), ' ');
    return name;
}

bool IsNickelOnNickel(const MeasFileData& d, int k) {
    constexpr int kCoatingNi = 16;
    constexpr int kSubstanceNi = 5;
    const UnderSubstance under = GetUnderSubstance(d, k);
    return under.coating == kCoatingNi && under.substance == kSubstanceNi;
}

UnderSubstance GetUnderSubstance(const MeasFileData& d, int k) {
    if (!IsUsed(d, k))
        return {0, 0};
    int coating = d.coat[k].bCode;
    if (IsAlloyLayer(d.coat[k]))
        coating = k > 0 ? d.coat[k - 1].bCode : 0;
    int substance = d.bBaseCode;
    if (IsUsed(d, k + 1)) {
        if (!IsAlloyLayer(d.coat[k + 1]))
            substance = GetCoatingSubstance(d.coat[k + 1].bCode);
        else if (k != 3 && IsUsed(d, k + 2))
            substance = GetCoatingSubstance(d.coat[k + 2].bCode);
    }
    return {coating, substance};
}

int GetDisplayMode(const MeasFileData& d, int k) {
    if (IsAlloyAt(d, k) || IsAlloyAt(d, k - 1) || IsAlloyAt(d, k + 1))
        return 3;
    if (d.bGasket == kGasketWT)
        return 2;
    return 0;
}

bool IsComplete(const MeasFileData& d) {
    const int layers = GetCoatCount(d);
    if (d.bBaseCode == 0 || d.bUnit == 0 || d.bGasket == 0 || layers == 0)
        return false;
    for (int k = 0; k < layers; ++k) {
        const LayerCondition& c = d.coat[k];
        if (c.bSolution == 0 || c.bRange == 0 || c.bSensitivity == 0)
            return false;
    }
    return true;
}

bool CanTestAlloyLayer(const MeasFileData& d) {
    const int layers = GetCoatCount(d);
    int lowest = -1;
    for (int k = 0; k < layers; ++k) {
        if (IsAlloyLayer(d.coat[k]))
            continue;
        if (lowest >= 0 && IsTinTypeCoating(d.coat[lowest].bCode) &&
            IsCopperTypeCoating(d.coat[k].bCode))
            return true;
        lowest = k;
    }
    return lowest >= 0 && IsTinTypeCoating(d.coat[lowest].bCode) && IsCopperTypeBase(d.bBaseCode);
}

void InsertAlloyLayer(MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k) {
        const LayerCondition& c = d.coat[k];
        if (IsAlloyLayer(c) || !IsTinTypeCoating(c.bCode))
            continue;
        const int layers = GetCoatCount(d);
        if (layers >= kMaxLayers)
            return;
        if (k + 1 < layers) {
            if (IsAlloyLayer(d.coat[k + 1]) || !IsCopperTypeCoating(d.coat[k + 1].bCode))
                continue;
        } else if (!IsCopperTypeBase(d.bBaseCode)) {
            continue;
        }
        InsertLayer(d, k + 1, NewAlloyLayer(c));
        ++k;
    }
}

void RemoveAlloyLayers(MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d);) {
        if (IsAlloyLayer(d.coat[k]))
            DeleteLayer(d, k);
        else
            ++k;
    }
}

void RemoveInvalidAlloyLayers(MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d);) {
        if (IsAlloyLayer(d.coat[k]) && !IsValidAlloyPlacement(d, k))
            DeleteLayer(d, k);
        else
            ++k;
    }
}

void DeleteLayer(MeasFileData& d, int k) {
    if (!IsLayerIndex(k))
        return;
    for (int i = k; i + 1 < kMaxLayers; ++i) {
        d.coat[i] = d.coat[i + 1];
        d.limits[i] = d.limits[i + 1];
    }
    std::memset(&d.coat[kMaxLayers - 1], 0, sizeof d.coat[kMaxLayers - 1]);
    std::memset(&d.limits[kMaxLayers - 1], 0, sizeof d.limits[kMaxLayers - 1]);
}

std::optional<int> HasAlloySn(const MeasFileData& d) {
    const int layers = GetCoatCount(d);
    for (int k = 0; k + 1 < layers; ++k)
        if (!IsAlloyLayer(d.coat[k]) && IsTinTypeCoating(d.coat[k].bCode) &&
            IsAlloyLayer(d.coat[k + 1]))
            return k;
    return std::nullopt;
}

std::optional<int> HasAlloyCu(const MeasFileData& d) {
    const std::optional<int> sn = HasAlloySn(d);
    if (sn && IsUsed(d, *sn + 2))
        return sn;
    return std::nullopt;
}

std::optional<int> FindUnitRangeConflict(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (FindResolution(d.bUnit, d.coat[k].bRange) == nullptr)
            return k;
    return std::nullopt;
}

bool CheckUnitRange(const MeasFileData& d) {
    return !FindUnitRangeConflict(d).has_value();
}

bool IsTotalReached(const MeasFileData& d) {
    // A negative total from a damaged file counts as no total.
    if ((d.bStatFlags & kStatTotalOn) == 0 || d.nStatTotal <= 0)
        return false;
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    return layers != 0 && d.nItemCt / layers >= static_cast<std::uint32_t>(d.nStatTotal);
}

bool DonotsetLayerNo5(const MeasFileData& d) {
    return IsUsed(d, 2) && !IsAlloyLayer(d.coat[0]) && IsTinTypeCoating(d.coat[0].bCode) &&
           IsAlloyLayer(d.coat[1]) && !IsAlloyLayer(d.coat[2]) &&
           IsCopperTypeCoating(d.coat[2].bCode);
}

}  // namespace klv
