#include "records/record_builder.h"

#include <cstdio>
#include <cstring>

#include "base/charset.h"
#include "reference/unit_gasket_tables.h"
#include "results/layer_weight.h"
#include "results/synthetic_result.h"

namespace klv {

namespace {

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return RecordTextToUtf8(std::string_view(field, strnlen(field, N)));
}

std::string Trim(const char* text) {
    std::string s(text);
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

const char* Verdict(int mark) {
    return mark == kLimitAbove ? "above" : mark == kLimitBelow ? "below" : "inside";
}

ConditionSnapshot Snapshot(const MeasFileData& d) {
    ConditionSnapshot c;
    c.name = FieldText(d.szFileName);
    c.base = FieldText(d.baseName);
    c.unit = RecordTextToUtf8(GetUnitName(d.bUnit));
    c.gasket = d.bGasket;
    const bool limits = (d.bStatFlags & kStatLimitCheckOn) != 0;
    for (int k = 0; k < GetCoatCount(d); ++k) {
        ConditionLayer l;
        l.coating = FieldText(d.coat[k].Name);
        l.solution = d.coat[k].bSolution;
        l.range = d.coat[k].bRange;
        if (limits) {
            l.upper = d.limits[k].fUpperLimit;
            l.lower = d.limits[k].fLowerLimit;
        }
        c.layers.push_back(l);
    }
    return c;
}

}  // namespace

std::string RecordTextToUtf8(std::string_view text) {
    return ProgramCharset().ToUtf8(text.substr(0, text.find('\0')));
}

std::string FormatIsoDate(std::uint16_t packedDate) {
    if (packedDate == 0)
        return {};
    const Date date = UnpackDate(packedDate);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string FormatIsoDateTime(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

MeasurementRecord BuildMeasurementRecord(const MeasFileData& d, int index, std::uint32_t number,
                                         std::span<const MsrLogRecord> records,
                                         const CalibrationStore* calibration, const LocalTime* at) {
    MeasurementRecord m;
    m.channel = index + 1;
    m.number = number;
    const int layers = std::min<int>(GetCoatCount(d), static_cast<int>(records.size()));
    m.date = layers > 0 ? FormatIsoDate(records[0].wDate) : std::string();
    if (at != nullptr) {
        const std::string stamp = FormatIsoDateTime(*at);
        m.date = stamp.substr(0, 10);
        m.time = stamp.substr(11);
    }
    m.customer = FieldText(d.szCustomer);
    m.goods = FieldText(d.szGoods);
    m.lot = FieldText(d.szLotNo);
    m.testedBy = FieldText(d.szTester);
    m.condition = Snapshot(d);
    if (calibration != nullptr && d.bGasket < kGasketRecordCount) {
        const GasketCalibrationRecord& g = calibration->gasket[d.bGasket];
        if ((g.bCalFlags & kGasketHasCalibration) != 0) {
            m.calibrationValue = g.fCalValue;
            m.calibrationDate = FormatIsoDate(g.wCalDate);
        }
    }
    SyntheticResult result{};
    EditSyntheticResult(d, records.first(static_cast<std::size_t>(layers)), result, true);
    const bool limits = (d.bStatFlags & kStatLimitCheckOn) != 0;
    for (int k = 0; k < layers; ++k) {
        const MsrLogRecord& r = records[static_cast<std::size_t>(k)];
        RecordedLayer l;
        l.coating = FieldText(d.coat[k].Name);
        l.noValue = (r.bFlags & kRecordNoValue) != 0 || (r.bFlags & kRecordMeasured) == 0;
        l.micrometres = l.noValue ? 0.0 : r.lMeasValue;
        const SyntheticItem& item = result.item[k];
        if (!l.noValue && k < kSyntheticItemCount && IsItemUsed(item)) {
            const std::string value = Trim(item.szMeasValue);
            l.shown = value + " " + RecordTextToUtf8(item.szUnit);
            const LayerTotal t =
                GetLayerTotal(d, records.first(static_cast<std::size_t>(layers)), k, false);
            l.weight = t.weight;
            l.adhesion = t.adhesion;
            // A total whose alloy share has no value is judged by nothing.
            if (limits && value != "-----")
                l.verdict = Verdict(item.nLimitMark);
        }
        m.layers.push_back(l);
    }
    return m;
}

}  // namespace klv
