#pragma once

#include "base/operator.h"
#include "device/device_protocol.h"

namespace klv {

// Start-up of the device side, run by the main window once the simulator (if any) exists.
// Returns 1 when the program may go on; on 0 the operator has been told and it must end.
int StartDeviceCommunication(CDeviceProtocol& device, Operator& op, bool simulation);
// Shut-down after the operator confirmed closing: stop, polling off, transport down.
void StopDeviceCommunication(CDeviceProtocol& device);

}  // namespace klv
