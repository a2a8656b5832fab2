#include "output/roll_paper_lines.h"

#include <cstdio>

#include "base/fixed_text.h"
#include "reference/unit_gasket_tables.h"
#include "results/synthetic_result.h"

namespace klv {

namespace {

bool HasPlatingWeightCount(const MeasFileData& d) {
    return (d.bWtFlags & kWtPlatingWeightCount) != 0;
}

bool HasAnyAlloyLayer(const MeasFileData& d) {
    for (int k = 0; k < GetCoatCount(d) && k < kMaxLayers; ++k) {
        if (IsAlloyLayer(d.coat[k]))
            return true;
    }
    return false;
}

std::string Printf(const char* format, auto... args) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// The weight, adhesion and limit parts that end every measurement line.
std::string LineTail(const MeasFileData& d, const SyntheticItem& item) {
    std::string tail;
    if (HasPlatingWeightCount(d)) {
        if (item.szWeightTitle[0] != '\0')
            tail += Printf("   %s %s", item.szWeightValue, item.szWeightUnit);
        if (item.szAdhesionTitle[0] != '\0')
            tail += Printf("   %s %s", item.szAdhesionValue, item.szAdhesionUnit);
    }
    return tail + Printf("   %s", item.szLimit);
}

int FirstItemOf(const MeasFileData& d, int currentLayer) {
    const bool wtUsable = d.bGasket != kGasketWT || (d.bWtFlags & kWtCoefValid) != 0;
    if (HasAnyAlloyLayer(d) || !wtUsable)
        return 0;
    return currentLayer < 0 || currentLayer >= kSyntheticItemCount ? 0 : currentLayer;
}

}  // namespace

bool IsGatheredMeasurement(const MeasFileData& d) {
    return GetCoatCount(d) == 1 && !HasPlatingWeightCount(d);
}

std::vector<std::string> MakeMeasurementLines(const MeasFileData& d,
                                              std::span<const MsrLogRecord> records,
                                              int currentLayer) {
    SyntheticResult r{};
    EditSyntheticResult(d, records, r, false);
    std::vector<std::string> lines;
    const int layers = GetCoatCount(d);
    if (layers <= 1) {
        const SyntheticItem& item = r.item[0];
        lines.push_back(Printf("%4d   %s  %s %s", static_cast<int>(d.nItemCt), item.szMeasTitle,
                               item.szMeasValue, item.szUnit) +
                        LineTail(d, item));
        return lines;
    }
    const auto count = static_cast<std::uint32_t>(layers);
    const int quantity = static_cast<int>((d.nItemCt + count - 1) / count);
    const int first = FirstItemOf(d, currentLayer);
    int sub = first + 1;
    for (int i = first; i < kSyntheticItemCount; ++i) {
        const SyntheticItem& item = r.item[i];
        if (!IsItemUsed(item))
            continue;
        std::string line = item.bValid ? Printf("%4d-%d", quantity, sub++) : std::string(6, ' ');
        line += Printf(" %s  %s %s", item.szMeasTitle, item.szMeasValue, item.szUnit);
        lines.push_back(line + LineTail(d, item));
    }
    return lines;
}

std::string MakeFiveDataLine(const MeasFileData& d, std::uint32_t firstNumber,
                             const std::vector<std::string>& values) {
    std::string line = Printf("%4d ", static_cast<int>(firstNumber));
    for (const std::string& v : values)
        line += " " + v;
    return line + " " + std::string(GetUnitName(d.bUnit));
}

std::string GetFirstValueText(const MeasFileData& d, std::span<const MsrLogRecord> records) {
    SyntheticResult r{};
    EditSyntheticResult(d, records, r, false);
    return GetFixedText(r.item[0].szMeasValue);
}

}  // namespace klv
