#include "output/meas_data_text.h"

#include <algorithm>
#include <cstdio>

#include "reference/interrupted_measurement.h"

namespace klv {

std::string FormatMeasDataText(const MeasFileData& d, std::span<const MsrLogRecord> records,
                               std::uint32_t firstNumber, const LineFormat& format,
                               std::vector<std::uint32_t>& neverStored) {
    const auto layers = static_cast<std::size_t>(std::max(GetCoatCount(d), 1));
    std::string text;
    std::uint32_t number = firstNumber;
    for (std::size_t at = 0; at < records.size(); at += layers, ++number) {
        const auto group = records.subspan(at, std::min(layers, records.size() - at));
        std::vector<MsrLogRecord> measurement(group.begin(), group.end());
        if (SettleUnrecordedLayers(measurement) == 0) {
            neverStored.push_back(number);
            continue;
        }
        text += FormatMeasDataLine(d, measurement, number, format);
        text += "\r\n";
    }
    return text;
}

std::string LeftOutMessage(std::size_t count) {
    char text[128];
    std::snprintf(text, sizeof text,
                  "%zu data were left out: interrupted before any layer was stored.", count);
    return text;
}

}  // namespace klv
