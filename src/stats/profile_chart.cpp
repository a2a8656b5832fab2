#include "stats/profile_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"
#include "stats/chart_values.h"
#include "stats/stat_columns.h"

namespace klv {

double LeadingDigitBound(double x, BoundDirection direction, const MeasFileData& d, int k) {
    std::string text =
        " " + FormatLayerValue(ToUnit(static_cast<float>(x), d.bUnit), d,
                               GetStatColumn(d, k).formatLayer, d.bGasket == kGasketWT, false);
    const std::size_t lead = text.find_first_of("123456789");
    if (lead == std::string::npos)
        return x;
    const bool negative = text.find('-') < lead;
    bool cut = false;
    for (std::size_t i = lead + 1; i < text.size(); ++i) {
        if (text[i] >= '1' && text[i] <= '9') {
            text[i] = '0';
            cut = true;
        }
    }
    const bool outward =
        negative ? direction == BoundDirection::Down : direction == BoundDirection::Up;
    if (cut && outward) {
        if (text[lead] != '9') {
            ++text[lead];
        } else if (text[lead - 1] == '.') {
            text[lead - 1] = '1';  // 0.9 → 1
            text.resize(lead);
        } else if (text[lead - 1] == '-') {
            // The sign moves left into the blank that the text always starts with.
            text[lead - 2] = '-';
            text[lead - 1] = '1';
            text[lead] = '0';
        } else {
            text[lead - 1] = '1';
            text[lead] = '0';
        }
    }
    return FromUnit(static_cast<float>(std::strtod(text.c_str(), nullptr)), d.bUnit);
}

ProfileValues WalkProfile(std::span<const double> values) {
    ProfileValues v;
    v.count = values.size();
    if (values.empty())
        return v;
    v.first = values.front();
    v.last = values.back();
    v.maximum = *std::max_element(values.begin(), values.end());
    v.minimum = *std::min_element(values.begin(), values.end());
    for (double value : values)
        v.sum += value;
    return v;
}

ProfileScale AutoProfileScale(const ProfileValues& v, const MeasFileData& d, int k) {
    double upper = LeadingDigitBound(v.maximum, BoundDirection::Up, d, k);
    double lower = LeadingDigitBound(v.minimum, BoundDirection::Down, d, k);
    upper *= upper >= 0 ? 1.000001 : 0.999999;
    lower *= lower >= 0 ? 0.999999 : 1.000001;
    return {lower, upper};
}

int ProfilePointX(int left, int right, std::size_t i, std::size_t count) {
    if (count < 2)
        return left;
    return left + static_cast<int>(static_cast<long long>(right - left) *
                                   static_cast<long long>(i) / static_cast<long long>(count - 1));
}

int ChartValueY(int bottom, int height, double value, double lower, double upper) {
    const double y = bottom - (value - lower) * height / ChartSpan(lower, upper);
    // Far outside points stay far outside without overflowing the pixel type.
    return static_cast<int>(std::clamp(y, -1.0e6, 1.0e6));
}

}  // namespace klv
