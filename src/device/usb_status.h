#pragma once

#include <cstdint>
#include <string>

namespace klv {

enum UsbStatus : std::uint32_t {
    kUsbOk = 0,
    kUsbEventFailed = 256,
    kUsbThreadFailed = 257,
    kUsbNotConnected = 512,
    kUsbIoctlError = 513,
    kUsbTxImpossible = 514,
    kUsbRxImpossible = 515,
    kUsbResetFailed = 516,
    kUsbDescriptorFailed = 528,
    kUsbPacketLengthFailed = 544,
    kUsbRxError = 768,
    kUsbRxTimeout = 769,
    kUsbRxLength = 770,
    kUsbTxError = 771,
    kUsbTxTimeout = 772,
    kUsbCancelled = 1024,
    kUsbNotEnded = 1025,
    kUsbEchoMismatch = 0xFFFF,
};

// The operator's text of a transport status; unknown codes share one text.
std::string UsbStatusText(std::uint32_t status);

}  // namespace klv
