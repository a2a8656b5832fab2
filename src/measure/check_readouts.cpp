#include "measure/check_readouts.h"

#include <cstdio>

#include "reference/layer_setting_tables.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

int LevelIndicationMv(std::uint8_t reading) {
    const int scaled = reading * 5000 - 640000;
    return reading >= 128 ? scaled / 127 : scaled / 128;
}

int GraphIndicationMv(std::int16_t reading) {
    const int scaled = reading * 10000;
    return reading >= 0 ? scaled / 32767 : scaled / 32768;
}

std::string FormatMv(int mv) {
    char text[24];
    std::snprintf(text, sizeof text, "%d mV", mv);
    return text;
}

float CheckOutputCurrent(int factorRow, int gasketCode, int rangeCode) {
    return GetCurrentFactor(factorRow) * GetGasketAreaRatio(gasketCode) *
           GetRangeRateFactor(rangeCode);
}

std::string FormatCheckCurrent(float mA) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(mA));
    std::string number(text);
    if (number.size() > 6)
        number.resize(6);
    if (!number.empty() && number.back() == '.')
        number.pop_back();
    return number + " mA";
}

}  // namespace klv
