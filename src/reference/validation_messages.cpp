#include "reference/validation_messages.h"

#include "reference/layer_value_format.h"

namespace klv {

namespace {

constexpr float kAutoStopMinMicrometres = 0.1f;
constexpr float kAutoStopMaxMicrometres = 40.0f;

}  // namespace

std::string AutoStopRangeMessage(const MeasFileData& d, int k) {
    return RangeMessage(FormatRangeBound(kAutoStopMinMicrometres, d, k),
                        FormatRangeBound(kAutoStopMaxMicrometres, d, k));
}

}  // namespace klv
