#include "device/device_lifecycle.h"

#include "device/device_protocol.h"
#include "device/usb_status.h"
#include "device/usb_transport.h"

namespace klv {

bool DeviceStartUp(CUsbTransport& transport, CDeviceProtocol& protocol, Operator& op,
                   bool simulation) {
    protocol.SetSimulation(simulation);
    const std::uint32_t result = transport.UUsbdAPI_InitializeApp(simulation);
    if (result != kUsbOk) {
        op.ShowMessage(UsbStatusText(result), MsgIcon::Stop, MsgButtons::Ok);
        return false;
    }
    DeviceStatus status;
    if (!protocol.GetDeviceStatus(status, 3, true)) return false;
    if (status.HasFlag(kStatusEepromFailed)) {
        op.ShowMessage(
            "Not possible to input for EEPROM of device.(Can't be initialized).\n\nEnding KLV-570.",
            MsgIcon::Stop, MsgButtons::Ok);
        return false;
    }
    if (!protocol.CreatePollingEvent()) {
        op.ShowMessage(UsbStatusText(kUsbEventFailed), MsgIcon::Stop, MsgButtons::Ok);
        return false;
    }
    protocol.AllOutputsOff(true);
    return true;
}

void DeviceShutDown(CUsbTransport& transport, CDeviceProtocol& protocol) {
    protocol.StopMeasurement(false);
    protocol.SetPollingWindow(nullptr);
    protocol.ClosePollingEvent();
    transport.Shutdown();
}

}  // namespace klv
