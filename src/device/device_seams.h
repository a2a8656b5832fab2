#pragma once

#include "base/ui_pump.h"
#include "device/busy_scope.h"
#include "device/usb_msg_box.h"
#include "device/usb_platform.h"

namespace klv {

// What the device side runs on; the program's composition root makes them and hands them in.
struct DeviceSeams {
    UsbPlatform& usb;
    UiPump& pump;
    UsbMsgBoxView& box;
    BusyScopeHost& busy;
};

}  // namespace klv
