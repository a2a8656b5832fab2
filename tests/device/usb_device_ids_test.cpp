#include "device/usb_device_ids.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace klv {
namespace {

TEST(UsbDeviceIds, HexadecimalIdsOfTheUsbSection) {
    EXPECT_EQ(ParseUsbId("04D8"), 0x04D8);
    EXPECT_EQ(ParseUsbId(" 0x04d8"), 0x04D8);
    EXPECT_EQ(ParseUsbId("0X04d8"), 0x04D8);
    EXPECT_EQ(ParseUsbId("ffff"), 0xFFFF);
    EXPECT_EQ(ParseUsbId("10000"), 0);
    EXPECT_EQ(ParseUsbId(""), 0);
    EXPECT_EQ(ParseUsbId("xyz"), 0);

    test::TempDir dir;
    test::WriteTestFile(dir.File("KLV570.ini"), "[usb]\r\nvendorid=0x04D8\r\nProductId=F2A1\r\n");
    const UsbDeviceIds ids = ReadUsbDeviceIds(ProfileFile(dir.File("KLV570.ini")));
    EXPECT_EQ(ids.vendor, 0x04D8);
    EXPECT_EQ(ids.product, 0xF2A1);
}

}  // namespace
}  // namespace klv
