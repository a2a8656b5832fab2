#include "device/usb_status.h"

namespace klv {

std::string UsbStatusText(std::uint32_t status) {
    switch (status) {
        case kUsbOk:
            return "";
        case kUsbEventFailed:
            return "Event of USB can't be made.";
        case kUsbThreadFailed:
            return "Thread of USB can't be made.";
        case kUsbNotConnected:
            return "The device has not been connected.";
        case kUsbIoctlError:
            return "IOCTL error has occurred for the device.";
        case kUsbTxImpossible:
            return "Transmission can't be made.";
        case kUsbRxImpossible:
            return "Transmission can't be received.";
        case kUsbResetFailed:
            return "Not possible to reset the device.";
        case kUsbDescriptorFailed:
            return "Not possible to get descriptor of the device.";
        case kUsbPacketLengthFailed:
            return "Not possible to get max. packet length of the device.";
        case kUsbRxError:
            return "Receiving error has occurred.";
        case kUsbRxTimeout:
            return "Receiving time out has occurred.";
        case kUsbRxLength:
            return "Incorrect receiving data length .";
        case kUsbTxError:
            return "Transmission error has occurred.";
        case kUsbTxTimeout:
            return "Transmission time out has occurred.";
        case kUsbCancelled:
            return "Requested command for the device has been cancelled.";
        case kUsbNotEnded:
            return "Not ending the equested command for the device.";
        default:
            return "Cause unknown error.";
    }
}

}  // namespace klv
