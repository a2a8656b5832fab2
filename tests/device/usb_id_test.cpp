#include "device/usb_id.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace klv {
namespace {

TEST(UsbId, ParsesHexadecimalIds) {
    EXPECT_EQ(ParseUsbId("04D8"), 0x04D8);
    EXPECT_EQ(ParseUsbId(" 0x04d8"), 0x04D8);
    EXPECT_EQ(ParseUsbId("ffff"), 0xFFFF);
    EXPECT_EQ(ParseUsbId("10000"), 0);
    EXPECT_EQ(ParseUsbId(""), 0);
    EXPECT_EQ(ParseUsbId("xyz"), 0);
}

TEST(UsbId, TheRuleMatchesTheIdsTheProgramReads) {
    test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    EXPECT_EQ(ReadUsbIds(ini).vendor, 0);
    ASSERT_TRUE(ini.WriteProfileString("USB", "VendorId", "0x04D8"));
    ASSERT_TRUE(ini.WriteProfileString("USB", "ProductId", "570"));
    const UsbIds ids = ReadUsbIds(ini);
    EXPECT_EQ(ids.vendor, 0x04D8);
    EXPECT_EQ(ids.product, 0x0570);
    const std::string rule = FormatUdevRule(ids);
    EXPECT_NE(rule.find("ATTRS{idVendor}==\"04d8\", ATTRS{idProduct}==\"0570\""), std::string::npos)
        << rule;
    EXPECT_NE(rule.find("GROUP=\"klv570\""), std::string::npos);
    EXPECT_EQ(rule.back(), '\n');
}

}  // namespace
}  // namespace klv
