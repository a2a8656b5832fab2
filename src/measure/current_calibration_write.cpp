#include "measure/current_calibration_write.h"

#include <array>
#include <cstring>

namespace klv {

CurrentCalibrationWrite WriteCurrentCalibration(CDeviceProtocol& protocol,
                                                const CurrentCalibration& cal) {
    std::array<std::uint8_t, kCalibrationLength> block{};
    static_assert(sizeof cal.fErrors == kCalibrationLength);
    std::memcpy(block.data(), cal.fErrors.data(), block.size());
    DeviceStatus status;
    CurrentCalibrationWrite result;
    result.stored = protocol.MechaSetCurrentCalibrate(block.data(), true) == 1 &&
                    protocol.GetDeviceStatus(status, 3, true) == 1 && !status.IsEepromFailed();
    if (!result.stored && protocol.MechaGetCurrentCalibrate(block.data(), true) == 1)
        result.held = CurrentCalibration::FromBlock(block.data());
    return result;
}

}  // namespace klv
