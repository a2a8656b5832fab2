#include "results/synthetic_result.h"

#include <algorithm>
#include <cstdint>
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

// How one item of a result is made. The numbers come first; texts and weights follow only when
// a caller needs them, because counting statistics over a whole log needs the numbers alone.
struct ItemPlan {
    const char* title = nullptr;  // nullptr: the layer's name padded to 6
    float micrometres = 0.0f;     // the item's thickness
    std::int8_t formatLayer = 0;  // the layer whose value format the texts take
    std::uint8_t weighCoating =
        0;  // weigh the thickness as this coating; 0: as formatLayer's total
    std::int8_t uIsAlloy = kItemOfLayer;
    bool used = false;
    bool missing = false;  // a record it is made of has no value
    bool bValid = false;
    bool verdict = false;  // judged against formatLayer's limits
};

struct ResultPlan {
    int nCount;
    ItemPlan item[kSyntheticItemCount];
};

int CountMeasured(const LayerShape& shape, std::span<const MsrLogRecord> records) {
    const auto layers = std::min<std::size_t>(records.size(), shape.layers);
    int n = 0;
    while (static_cast<std::size_t>(n) < layers && (records[n].bFlags & kRecordMeasured) != 0)
        ++n;
    return n;
}

ItemPlan Part(int formatLayer, const char* title, float micrometres, std::uint8_t weighCoating) {
    return {.title = title,
            .micrometres = micrometres,
            .formatLayer = static_cast<std::int8_t>(formatLayer),
            .weighCoating = weighCoating,
            .uIsAlloy = kItemOfLayer,
            .used = true};
}

ItemPlan Total(int formatLayer, const char* title, float micrometres, int uIsAlloy) {
    return {.title = title,
            .micrometres = micrometres,
            .formatLayer = static_cast<std::int8_t>(formatLayer),
            .uIsAlloy = static_cast<std::int8_t>(uIsAlloy),
            .used = true,
            .verdict = true};
}

bool HasNoValue(const MsrLogRecord& r) {
    return (r.bFlags & kRecordNoValue) != 0;
}

// Solid tin, tin of the alloy and all tin; with the copper layer measured the same for copper.
void PlanTinAlloyResult(const MeasFileData& d, const LayerShape& shape,
                        std::span<const MsrLogRecord> records, int n, ResultPlan& p) {
    const float t1 = records[1].lMeasValue;
    const bool solder = d.coat[0].bCode == kCoatSolder;
    p.item[0] = Part(0, solder ? "Solid SO layer    " : "Solid Sn layer    ", records[0].lMeasValue,
                     kCoatTin);
    p.item[0].bValid = true;
    p.item[1] = Part(0, "Sn layer of alloy", t1 * d.fAlloyCoefSn, kCoatTin);
    p.item[2] =
        Total(0, solder ? "Coating thickness value of all SO" : "Coating thickness value of all Sn",
              GetLayerThickness(shape, records, 0), kItemAllTin);
    p.item[0].missing = HasNoValue(records[0]);
    p.item[1].missing = HasNoValue(records[1]);
    p.item[2].missing = p.item[0].missing || p.item[1].missing;
    p.nCount = 3;
    if (n != 3)
        return;
    p.item[3] = Part(2, "Solid Cu layer    ", records[2].lMeasValue, kCoatCopper);
    p.item[3].bValid = true;
    p.item[4] = Part(0, "Cu layer of alloy", t1 * d.fAlloyCoefCu, kCoatCopper);
    p.item[5] = Total(2, "Coating thickness value of all Cu", GetLayerThickness(shape, records, 2),
                      kItemAllCopper);
    p.item[3].missing = HasNoValue(records[2]);
    p.item[4].missing = p.item[1].missing;
    p.item[5].missing = p.item[3].missing || p.item[1].missing;
    p.nCount = 5;
}

void PlanPlainResult(const LayerShape& shape, std::span<const MsrLogRecord> records, int n,
                     ResultPlan& p) {
    for (int k = 0; k < n && k < kSyntheticItemCount; ++k) {
        if (shape.alloy[k])
            continue;
        ItemPlan& item = p.item[k];
        item = Total(k, nullptr, GetLayerThickness(shape, records, k), kItemOfLayer);
        item.missing = HasNoValue(records[k]);
        // A share of an alloy layer without a value leaves the total unknown.
        for (int alloy : {k - 1, k + 1})
            if (alloy >= 0 && alloy < shape.layers &&
                static_cast<std::size_t>(alloy) < records.size() && shape.alloy[alloy])
                item.missing = item.missing || HasNoValue(records[alloy]);
        item.bValid = true;
    }
}

ResultPlan PlanResult(const MeasFileData& d, const LayerShape& shape,
                      std::span<const MsrLogRecord> records, bool plain) {
    ResultPlan p{};
    const int n = CountMeasured(shape, records);
    p.nCount = n;
    if (!plain && (n == 2 || n == 3) && shape.alloy[1])
        PlanTinAlloyResult(d, shape, records, n, p);
    else
        PlanPlainResult(shape, records, n, p);
    return p;
}

void SetLimitVerdict(const MeasFileData& d, int k, float totalMicrometres, SyntheticItem& item) {
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

LayerWeight WeightOf(const MeasFileData& d, std::span<const MsrLogRecord> records,
                     const ItemPlan& p) {
    if (p.weighCoating != 0)
        return GetWeight(d, p.weighCoating, p.micrometres);
    const LayerTotal t = GetLayerTotal(d, records, p.formatLayer, false);
    return {t.weight, t.adhesion};
}

void FillItem(const MeasFileData& d, std::span<const MsrLogRecord> records, const ItemPlan& p,
              SyntheticItem& item) {
    const int k = p.formatLayer;
    const float valueInUnit = ToUnit(p.micrometres, d.bUnit);
    const LayerWeight w = WeightOf(d, records, p);
    SetFixedText(item.szMeasTitle,
                 p.title != nullptr ? std::string(p.title) : GetCoatNamePadded(d, k));
    SetFixedText(item.szMeasValue,
                 FormatLayerValue(valueInUnit, d, k, d.bGasket == kGasketWT, p.missing));
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
    item.uIsAlloy = p.uIsAlloy;
    item.bValid = p.bValid ? 1 : 0;
    // An unknown figure is shown as dashes and judged by nothing.
    if (p.verdict && !p.missing)
        SetLimitVerdict(d, k, p.micrometres, item);
}

}  // namespace

void EditSyntheticResult(const MeasFileData& d, std::span<const MsrLogRecord> records,
                         SyntheticResult& result, bool plain) {
    std::memset(&result, 0, sizeof result);
    const ResultPlan p = PlanResult(d, GetLayerShape(d), records, plain);
    result.nCount = p.nCount;
    result.wDate = records.empty() ? 0 : records[0].wDate;
    for (int i = 0; i < kSyntheticItemCount; ++i) {
        if (p.item[i].used)
            FillItem(d, records, p.item[i], result.item[i]);
    }
}

SyntheticValueMaker::SyntheticValueMaker(const MeasFileData& d, bool plain)
    : m_d(d), m_shape(GetLayerShape(d)), m_unitDivisor(GetUnitDivisor(d.bUnit)), m_plain(plain) {
    m_anyAlloy =
        std::any_of(m_shape.alloy, m_shape.alloy + m_shape.layers, [](bool a) { return a; });
}

void SyntheticValueMaker::Make(std::span<const MsrLogRecord> records,
                               SyntheticValues& values) const {
    if (!m_anyAlloy) {
        // Without alloy layers every measured layer is an item of its own value.
        values = SyntheticValues{};
        values.nCount = CountMeasured(m_shape, records);
        for (int k = 0; k < values.nCount; ++k)
            values.item[k] = {true, kItemOfLayer, records[k].lMeasValue / m_unitDivisor,
                              HasNoValue(records[k])};
        return;
    }
    const ResultPlan p = PlanResult(m_d, m_shape, records, m_plain);
    values.nCount = p.nCount;
    for (int i = 0; i < kSyntheticItemCount; ++i) {
        const ItemPlan& item = p.item[i];
        // As ToUnit does.
        values.item[i] = {item.used, item.uIsAlloy,
                          item.used ? item.micrometres / m_unitDivisor : 0.0f, item.missing};
    }
}

void EditSyntheticValues(const MeasFileData& d, std::span<const MsrLogRecord> records,
                         SyntheticValues& values, bool plain) {
    SyntheticValueMaker(d, plain).Make(records, values);
}

}  // namespace klv
