#pragma once

#include <QWidget>

#include "base/clock.h"
#include "base/sound_player.h"
#include "device/device_seams.h"
#include "device/fake/fake_instrument.h"
#include "device/fake/in_memory_usb.h"
#include "device/ui/qt_device_seams.h"
#include "device/ui/usb_msg_box_dialog.h"

namespace klv::test {

// The device seams of a main window under test: the program's own Qt ones, with the
// in-memory instrument on the bus.
struct MainWindowSeams {
    MainWindowSeams(Clock& clock, SoundPlayer& sounds) : instrument(clock), usbBox(sounds) {}
    DeviceSeams Seams() { return {usb, pump, usbBox, busy}; }
    // The error box and the busy scope belong to the window.
    void Attach(QWidget& window) {
        usbBox.SetParent(&window);
        busy.SetMainWindow(&window);
    }

    FakeInstrument instrument;
    InMemoryUsb usb{instrument};
    QtUiPump pump;
    QtUsbMsgBoxView usbBox;
    QtBusyScopeHost busy;
};

}  // namespace klv::test
