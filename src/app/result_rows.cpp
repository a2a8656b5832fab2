#include "app/result_rows.h"

#include "base/fixed_text.h"

namespace klv {
namespace {

std::string WithoutControls(const std::string& text) {
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != '\x7f')
            out += c;
    return out;
}

// "%s %s", or nothing when the part has no value.
std::string ValueAndUnit(const std::string& value, const std::string& unit) {
    return value.empty() ? std::string() : value + " " + unit;
}

}  // namespace

std::vector<ResultRow> MakeResultRows(const SyntheticResult& result) {
    std::vector<ResultRow> rows;
    for (const SyntheticItem& item : result.item) {
        if (!IsItemUsed(item))
            continue;
        ResultRow row;
        row.columns[0] = WithoutControls(GetFixedText(item.szMeasTitle));
        row.columns[1] = GetFixedText(item.szMeasValue) + " " + GetFixedText(item.szUnit) + " " +
                         GetFixedText(item.szLimit);
        row.columns[2] =
            ValueAndUnit(GetFixedText(item.szWeightValue), GetFixedText(item.szWeightUnit));
        row.columns[3] =
            ValueAndUnit(GetFixedText(item.szAdhesionValue), GetFixedText(item.szAdhesionUnit));
        row.redName = item.nLimitMark != kLimitInside;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace klv
