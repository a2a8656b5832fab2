#pragma once

#include "base/operator.h"

namespace klv {

class CDeviceProtocol;
class CUsbTransport;

// Start-up of the instrument, run by the main window after the simulator exists when
// simulation is on: transport, status check, polling lock, outputs off. false = the
// program must end (the operator has been told why).
bool DeviceStartUp(CUsbTransport& transport, CDeviceProtocol& protocol, Operator& op,
                   bool simulation);

// After the operator confirmed closing: stop, polling off, transport down.
void DeviceShutDown(CUsbTransport& transport, CDeviceProtocol& protocol);

}  // namespace klv
