#include "device/device_session.h"

#include "device/usb_status.h"

namespace klv {

int StartDeviceCommunication(CDeviceProtocol& device, Operator& op, bool simulation) {
    std::uint32_t status = device.Transport().UUsbdAPI_InitializeApp(simulation);
    if (status != kUsbOk) {
        op.ShowMessage(UsbStatusText(status), MsgIcon::Stop, MsgButtons::Ok);
        return 0;
    }
    DeviceStatus record;
    if (!device.GetDeviceStatus(record, 3, true))
        return 0;
    if (record.IsEepromFailed()) {
        op.ShowMessage(
            "Not possible to input for EEPROM of device.(Can't be initialized).\n\nEnding KLV-570.",
            MsgIcon::Stop, MsgButtons::Ok);
        return 0;
    }
    if (!device.CreatePollingEvent()) {
        op.ShowMessage(UsbStatusText(kUsbEventFailed), MsgIcon::Stop, MsgButtons::Ok);
        return 0;
    }
    device.AllOutputsOff(true);
    return 1;
}

void StopDeviceCommunication(CDeviceProtocol& device) {
    device.StopMeasurement(false);
    device.SetPollingWindow(nullptr);
    device.ClosePollingEvent();
    device.Transport().Shutdown();
}

}  // namespace klv
