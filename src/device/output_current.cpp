#include "device/output_current.h"

#include <cstring>

namespace klv {

const std::array<OutputRange, kOutputRangeCount> OutputRangeTable = {{
    {210.0f, 21.0f, 0},
    {21.0f, 2.1f, 1},
    {2.1f, 0.21f, 2},
    {0.21f, 0.021f, 3},
    {0.021f, 0.0021f, 4},
}};

CurrentCalibration CurrentCalibration::FromBlock(const std::uint8_t* block) {
    CurrentCalibration c;
    std::memcpy(c.fErrors.data(), block, kCalibrationLength);
    return c;
}

OutputSetting ChooseOutput(float targetMa, const CurrentCalibration& cal, bool nominal,
                           int nominalRange) {
    CurrentCalibration none;
    const CurrentCalibration& errors = nominal ? none : cal;
    OutputSetting out;
    if (nominal) {
        out.range = nominalRange >= 0 && nominalRange < kOutputRangeCount ? nominalRange : 0;
    } else {
        out.range = 0;
        for (int n = kOutputRangeCount - 1; n >= 0; --n) {
            float high = (1.0f + errors.HighError(n)) * OutputRangeTable[n].highMa;
            if (high >= targetMa) {
                out.range = n;
                break;
            }
        }
    }
    const OutputRange& r = OutputRangeTable[out.range];
    float high = (1.0f + errors.HighError(out.range)) * r.highMa;
    float low = (1.0f + errors.LowError(out.range)) * r.lowMa;
    float lowCode = kDacHighPoint * r.lowMa / r.highMa;
    float code = lowCode + (targetMa - low) / (high - low) * (kDacHighPoint - lowCode);
    if (!(code > 0.0f))
        code = 0.0f;
    if (code > static_cast<float>(kDacMaximum)) {
        code = static_cast<float>(kDacMaximum);
        out.clamped = true;
    }
    out.dacCode = static_cast<std::uint16_t>(code);
    return out;
}

}  // namespace klv
