#include "device/libusb/libusb_platform.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/clock.h"
#include "device/fake/test_seams.h"
#include "device/usb_transport.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv::test {
namespace {

// This machine has no instrument attached: the real backend must say so, not fail oddly.
TEST(LibUsbPlatformTest, AbsentInstrumentIsNotFoundAndTransportGives512) {
    TempDir dir;
    ProfileFile profile(dir.File("KLV570.ini"));
    profile.WriteProfileString("USB", "VendorId", "FFFE");
    profile.WriteProfileString("USB", "ProductId", "0570");
    LibUsbPlatform usb(profile);
    UsbOpenResult r = usb.Open();
    EXPECT_NE(r.kind, UsbOpenResult::Opened);
    EXPECT_FALSE(usb.BeginTransfer(0x81, nullptr, 4));
    std::uint32_t n = 0;
    std::uint8_t buffer[4] = {};
    EXPECT_EQ(usb.PollTransfer(0x81, n, buffer), UsbIo::Failed);
    usb.FlushPipe(0x81);
    usb.Close();

    SystemClock clock;
    QueuedPump pump;
    ScriptedOperator op;
    OperatorUsbMsgBox box(op);
    CUsbTransport transport(usb, pump, box, clock);
    EXPECT_EQ(transport.UUsbdAPI_InitializeApp(false), 512u);
}

// The bytes libusb is given belong to the transfer, not to the caller.
TEST(LibUsbTransferTest, ATransferMovesItsOwnCopyOfTheBytes) {
    std::uint8_t frame[2] = {0xF0, 0xFA};
    CLibUsbTransfer out(nullptr, 0x02, frame, 2);
    ASSERT_TRUE(out.Valid());
    std::memset(frame, 0, sizeof frame);
    EXPECT_EQ(out.Data()[0], 0xF0);
    EXPECT_EQ(out.Data()[1], 0xFA);
    EXPECT_FALSE(out.InFlight()) << "nothing is in flight before a submit";
    CLibUsbTransfer in(nullptr, 0x81, frame, 64);
    ASSERT_TRUE(in.Valid());
    EXPECT_NE(in.Data(), frame);
    EXPECT_EQ(in.Data()[0], 0) << "an IN transfer ignores the bytes";
}

}  // namespace
}  // namespace klv::test
