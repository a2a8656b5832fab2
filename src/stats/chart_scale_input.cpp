#include "stats/chart_scale_input.h"

#include "base/check_messages.h"
#include "base/number_parse.h"
#include "reference/unit_conversion.h"

namespace klv {

std::optional<double> ParseChartBound(const std::string& text, const MeasFileData& d,
                                      bool rangeChart, std::string& message) {
    const double low = rangeChart ? 0 : -99999;
    const std::optional<double> v = ParseFloat(text);
    if (!v || *v < low || *v > 999999) {
        message = RangeMessage(rangeChart ? "0" : "-99999", "999999");
        return std::nullopt;
    }
    return FromUnit(static_cast<float>(*v), d.bUnit);
}

std::optional<unsigned> ParseDivisionNumber(const std::string& text, std::string& message) {
    const std::optional<double> v = ParseFloat(text);
    if (!v || *v < 1 || *v > 100) {
        message = RangeMessage(1, 100);
        return std::nullopt;
    }
    return static_cast<unsigned>(*v);
}

std::optional<int> ParseGroupDataNumber(const std::string& text, std::string& message) {
    const std::optional<int> v = ParseInt(text);
    if (!v || *v < 2 || *v > 999) {
        message = RangeMessage(2, 999);
        return std::nullopt;
    }
    return *v;
}

}  // namespace klv
