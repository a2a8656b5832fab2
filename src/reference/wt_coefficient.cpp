#include "reference/wt_coefficient.h"

namespace klv {

namespace {

constexpr float kGasketAArea = 9.293f;
constexpr float kRoundRodConstant = 2.958f;   // 9.293 / pi
constexpr float kSquareRodConstant = 4.645f;  // 9.293 / 2

float Ratio(float constant, float surface) {
    return surface > 0.0f ? constant / surface : 0.0f;
}

}  // namespace

float GetWtCoefficient(const MeasFileData& d) {
    switch (d.bWtMode) {
        case kWtModeRoundRod:
            return Ratio(kRoundRodConstant, d.fWtDiameter * d.fWtLength);
        case kWtModeSquareRod:
            return Ratio(kSquareRodConstant, (d.fWtSideA + d.fWtSideB) * d.fWtLength);
        case kWtModeSmallParts:
            return Ratio(kGasketAArea, d.fWtArea);
        default:
            return 0.0f;
    }
}

std::uint8_t GetWtLaterFlag(std::uint8_t wtMode) {
    switch (wtMode) {
        case kWtModeRoundRod:
        case kWtModeSquareRod:
            return kWtLengthLater;
        case kWtModeSmallParts:
            return kWtAreaLater;
        case kWtModeDirect:
            return kWtCoefLater;
        default:
            return 0;
    }
}

void ApplyWtCoefficient(MeasFileData& d) {
    d.bWtFlags &= static_cast<std::uint8_t>(~kWtCoefValid);
    const std::uint8_t later = GetWtLaterFlag(d.bWtMode);
    if (later == 0 || (d.bWtFlags & later) != 0)
        return;
    if (d.bWtMode != kWtModeDirect)
        d.fWtCoef = GetWtCoefficient(d);
    if (d.fWtCoef > 0.0f)
        d.bWtFlags |= kWtCoefValid;
}

}  // namespace klv
