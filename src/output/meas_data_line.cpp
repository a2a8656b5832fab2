#include "output/meas_data_line.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "base/control_characters.h"
#include "reference/condition_rules.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

// Leading blanks and control characters go; the value itself stays as formatted.
std::string StripLeading(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    return std::string(text.substr(i));
}

}  // namespace

std::string FormatMeasDataValue(const MeasFileData& d, const MsrLogRecord& r, int k) {
    if ((r.bFlags & kRecordNoValue) != 0)
        return "0";
    return StripLeading(
        FormatLayerValue(ToUnit(r.lMeasValue, d.bUnit), d, k, d.bGasket == kGasketWT, false));
}

const char* GetDelimiterText(int delimiter) {
    switch (delimiter) {
        case 1:
            return ",";
        case 2:
            return " ";
        default:
            return "\t";
    }
}

std::string FormatOutputDate(std::uint16_t packed, int dateFormat) {
    enum Field { Year, Month, Day };
    static constexpr Field kOrders[][3] = {{Year, Month, Day}, {Month, Day, Year},
                                           {Day, Month, Year}, {Month, Year, Day},
                                           {Day, Year, Month}, {Year, Day, Month}};
    if (dateFormat < 0 || dateFormat >= static_cast<int>(std::size(kOrders)))
        return {};
    int fields[3] = {0, 0, 0};
    if (packed != 0) {
        const Date date = UnpackDate(packed);
        fields[Year] = date.year;
        fields[Month] = date.month;
        fields[Day] = date.day;
    }
    std::string text;
    for (Field f : kOrders[dateFormat]) {
        char part[8];
        std::snprintf(part, sizeof part, f == Year ? "%04d" : "%02d", fields[f]);
        if (!text.empty())
            text += '/';
        text += part;
    }
    return text;
}

std::string FormatMeasDataLine(const MeasFileData& d, std::span<const MsrLogRecord> records,
                               std::uint32_t dataNumber, unsigned items, int delimiter,
                               int dateFormat, bool unitAppended) {
    const std::string delim = GetDelimiterText(delimiter);
    const std::string unit(GetUnitName(d.bUnit));
    const int layers = std::min(GetCoatCount(d), static_cast<int>(records.size()));
    std::string line;
    if ((items & kItemDataNumber) != 0)
        line += std::to_string(dataNumber) + delim;
    if ((items & kItemMeasDate) != 0)
        line += FormatOutputDate(records.empty() ? 0 : records[0].wDate, dateFormat) + delim;
    if ((items & kItemCoatingCount) != 0) {
        int coatings = 0;
        for (int k = 0; k < GetCoatCount(d); ++k)
            coatings += IsAlloyLayer(d.coat[k]) ? 0 : 1;
        line += std::to_string(coatings) + delim;
    }
    if ((items & (kItemCoatingName | kItemMeasValue | kItemUnit)) != 0) {
        for (int k = 0; k < layers; ++k) {
            if (IsAlloyLayer(d.coat[k]))
                continue;
            if ((items & kItemCoatingName) != 0)
                line += RemoveControlCharacters(GetCoatName(d, k)) + delim;
            if ((items & kItemMeasValue) != 0)
                line += FormatMeasDataValue(d, records[static_cast<std::size_t>(k)], k) +
                        (unitAppended ? unit : std::string()) + delim;
            if ((items & kItemUnit) != 0)
                line += unit + delim;
        }
    }
    if (!line.empty() && line.back() == delim[0])
        line.pop_back();
    return line;
}

}  // namespace klv
