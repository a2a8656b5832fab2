#pragma once

#include <optional>

#include "device/device_protocol.h"
#include "device/output_current.h"

namespace klv {

struct CurrentCalibrationWrite {
    bool stored = false;
    // After a failed write: the block the instrument holds now, when it could be read.
    std::optional<CurrentCalibration> held;
};

// Writes the block into the instrument's EEPROM and checks the instrument's EEPROM flag; a
// write that failed either way reads the block back, since the instrument may hold a part of
// the new one.
CurrentCalibrationWrite WriteCurrentCalibration(CDeviceProtocol& protocol,
                                                const CurrentCalibration& cal);

}  // namespace klv
