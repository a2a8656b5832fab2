#include "results/synthetic_result.h"

#include <cstring>
#include <string>

#include "base/fixed_text.h"
#include "base/number_format.h"
#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"
#include "results/layer_weight.h"

namespace klv {

namespace {

constexpr int kTextWidth = 6;
constexpr char kNoVerdict[] = "        ";

int CountMeasured(const MeasFileData& d, std::span<const MsrLogRecord> records) {
    const auto layers = std::min<std::size_t>(records.size(), GetCoatCount(d));
    int n = 0;
    while (static_cast<std::size_t>(n) < layers && (records[n].bFlags & kRecordMeasured) != 0)
        ++n;
    return n;
}

void SetLimitVerdict(const MeasFileData& d, int k, float totalMicrometres, SyntheticItem& item) {
    SetFixedText(item.szLimit, kNoVerdict);
    item.nLimitMark = kLimitInside;
    if ((d.bStatFlags & kStatLimitCheckOn) == 0)
        return;
    if (totalMicrometres > d.limits[k].fUpperLimit) {
        SetFixedText(item.szLimit, "More than upper limit");
        item.nLimitMark = kLimitAbove;
    } else if (totalMicrometres < d.limits[k].fLowerLimit) {
        SetFixedText(item.szLimit, "Less than lower limit");
        item.nLimitMark = kLimitBelow;
    }
}

// Title, value, unit, weight and adhesion of one item; the value text by layer k's format.
void FillItem(const MeasFileData& d, int k, const std::string& title, float valueInUnit,
              const LayerWeight& w, bool noValue, SyntheticItem& item) {
    SetFixedText(item.szMeasTitle, title);
    SetFixedText(item.szMeasValue,
                 FormatLayerValue(valueInUnit, d, k, d.bGasket == kGasketWT, noValue));
    item.lMeasValue = valueInUnit;
    SetFixedText(item.szUnit, GetUnitName(d.bUnit));
    SetFixedText(item.szWeightTitle, "Dissolved weight");
    SetFixedText(item.szWeightValue,
                 FitNumberText(FormatNumberWidth(w.weight, kTextWidth), kTextWidth));
    SetFixedText(item.szWeightUnit, "mg");
    SetFixedText(item.szAdhesionTitle, "Adhesion amount.");
    SetFixedText(item.szAdhesionValue,
                 FitNumberText(FormatNumberWidth(w.adhesion, kTextWidth), kTextWidth));
    SetFixedText(item.szAdhesionUnit, "g/m%0");
    SetFixedText(item.szLimit, kNoVerdict);
}

LayerWeight WeightOf(const LayerTotal& t) {
    return {t.weight, t.adhesion};
}

// Solid tin, tin of the alloy and all tin; with the copper layer measured the same for copper.
void EditTinAlloyResult(const MeasFileData& d, std::span<const MsrLogRecord> records, int n,
                        SyntheticResult& r) {
    const float t0 = records[0].lMeasValue;
    const float t1 = records[1].lMeasValue;
    const float tinShare = t1 * d.fAlloyCoefSn;
    const bool solder = d.coat[0].bCode == kCoatSolder;
    const int unit = d.bUnit;

    FillItem(d, 0, solder ? "Solid SO layer    " : "Solid Sn layer    ", ToUnit(t0, unit),
             GetWeight(d, kCoatTin, t0), false, r.item[0]);
    r.item[0].bValid = 1;
    FillItem(d, 0, "Sn layer of alloy", ToUnit(tinShare, unit), GetWeight(d, kCoatTin, tinShare),
             false, r.item[1]);
    const LayerTotal tin = GetLayerTotal(d, records, 0, false);
    FillItem(d, 0,
             solder ? "Coating thickness value of all SO" : "Coating thickness value of all Sn",
             ToUnit(tin.total, unit), WeightOf(tin), false, r.item[2]);
    r.item[2].uIsAlloy = kItemAllTin;
    SetLimitVerdict(d, 0, tin.total, r.item[2]);
    r.nCount = 3;
    if (n != 3)
        return;

    const float t2 = records[2].lMeasValue;
    const float copperShare = t1 * d.fAlloyCoefCu;
    FillItem(d, 2, "Solid Cu layer    ", ToUnit(t2, unit), GetWeight(d, kCoatCopper, t2), false,
             r.item[3]);
    r.item[3].bValid = 1;
    FillItem(d, 0, "Cu layer of alloy", ToUnit(copperShare, unit),
             GetWeight(d, kCoatCopper, copperShare), false, r.item[4]);
    const LayerTotal copper = GetLayerTotal(d, records, 2, false);
    FillItem(d, 2, "Coating thickness value of all Cu", ToUnit(copper.total, unit),
             WeightOf(copper), false, r.item[5]);
    r.item[5].uIsAlloy = kItemAllCopper;
    SetLimitVerdict(d, 2, copper.total, r.item[5]);
    r.nCount = 5;
}

void EditPlainResult(const MeasFileData& d, std::span<const MsrLogRecord> records, int n,
                     SyntheticResult& r) {
    for (int k = 0; k < n && k < kSyntheticItemCount; ++k) {
        if (IsAlloyLayer(d.coat[k]))
            continue;
        const LayerTotal total = GetLayerTotal(d, records, k, false);
        SyntheticItem& item = r.item[k];
        FillItem(d, k, GetCoatNamePadded(d, k), ToUnit(total.total, d.bUnit), WeightOf(total),
                 (records[k].bFlags & kRecordNoValue) != 0, item);
        item.bValid = 1;
        SetLimitVerdict(d, k, total.total, item);
    }
}

}  // namespace

void EditSyntheticResult(const MeasFileData& d, std::span<const MsrLogRecord> records,
                         SyntheticResult& result, bool plain) {
    std::memset(&result, 0, sizeof result);
    const int n = CountMeasured(d, records);
    result.nCount = n;
    result.wDate = records.empty() ? 0 : records[0].wDate;
    if (!plain && (n == 2 || n == 3) && IsAlloyLayer(d.coat[1]))
        EditTinAlloyResult(d, records, n, result);
    else
        EditPlainResult(d, records, n, result);
}

}  // namespace klv
