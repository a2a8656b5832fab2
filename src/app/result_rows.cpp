#include "app/result_rows.h"

#include "base/control_characters.h"
#include "base/fixed_text.h"

namespace klv {
namespace {

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
        row.columns[0] = RemoveControlCharacters(GetFixedText(item.szMeasTitle));
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
