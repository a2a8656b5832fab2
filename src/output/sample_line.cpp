#include "output/sample_line.h"

#include <algorithm>

#include "base/fixed_text.h"
#include "reference/coating_table.h"
#include "reference/unit_conversion.h"

namespace klv {

MeasFileData SampleSendCondition() {
    MeasFileData d = NewMeasFileData();
    constexpr std::uint8_t kHundredthsRange = 3;
    const std::pair<std::uint8_t, const char*> layers[] = {{kCoatNickel, "Ni"},
                                                           {kCoatCopper, "Cu"}};
    int k = 0;
    for (const auto& [code, name] : layers) {
        d.coat[k].bCode = code;
        d.coat[k].bRange = kHundredthsRange;
        SetFixedText(d.coat[k].Name, name);
        ++k;
    }
    return d;
}

std::string FormatSampleLine(const MeasFileData& d, const LineFormat& format) {
    constexpr float kValues[kMaxLayers] = {12.34f, 1.0f, 0.56f, 2.3f, 3.4f};
    MsrLogRecord records[kMaxLayers] = {};
    for (int k = 0; k < kMaxLayers; ++k)
        records[k] =
            MsrLogRecord{FromUnit(kValues[k], d.bUnit), kRecordMeasured, 0, PackDate(2005, 12, 31)};
    std::string line = " " + FormatMeasDataLine(d, records, 123, format);
    std::replace(line.begin(), line.end(), '\t', ' ');
    return line;
}

}  // namespace klv
