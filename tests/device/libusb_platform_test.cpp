#include "device/libusb_platform.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "device/fake/test_seams.h"
#include "device/usb_transport.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv::test {
namespace {

TEST(LibUsbPlatformTest, ParsesHexadecimalIds) {
    EXPECT_EQ(ParseUsbId("04D8"), 0x04D8);
    EXPECT_EQ(ParseUsbId(" 0x04d8"), 0x04D8);
    EXPECT_EQ(ParseUsbId("ffff"), 0xFFFF);
    EXPECT_EQ(ParseUsbId("10000"), 0);
    EXPECT_EQ(ParseUsbId(""), 0);
    EXPECT_EQ(ParseUsbId("xyz"), 0);
}

// This machine has no instrument attached: the real backend must say so, not fail oddly.
TEST(LibUsbPlatformTest, AbsentInstrumentIsNotFoundAndTransportGives512) {
    TempDir dir;
    ProfileFile profile(dir.File("KLV570.ini"));
    profile.WriteProfileString("USB", "VendorId", "FFFE");
    profile.WriteProfileString("USB", "ProductId", "0570");
    LibUsbPlatform usb(profile);
    UsbOpenResult r = usb.Open();
    EXPECT_NE(r.kind, UsbOpenResult::Opened);
    std::uint8_t buffer[4] = {};
    EXPECT_FALSE(usb.BeginTransfer(0x81, buffer, 4));
    std::uint32_t n = 0;
    EXPECT_EQ(usb.PollTransfer(0x81, n), UsbIo::Failed);
    usb.FlushPipe(0x81);
    usb.Close();

    SystemClock clock;
    QueuedPump pump;
    ScriptedOperator op;
    OperatorUsbMsgBox box(op);
    CUsbTransport transport(usb, pump, box, clock);
    EXPECT_EQ(transport.UUsbdAPI_InitializeApp(false), 512u);
}

}  // namespace
}  // namespace klv::test
