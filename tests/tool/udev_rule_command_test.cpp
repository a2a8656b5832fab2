#include <gtest/gtest.h>

#include "base/profile.h"
#include "support/temp_dir.h"
#include "tool_process.h"

namespace klv {
namespace {

TEST(ToolUdevRule, FromTheSettingsFileOrTheIdsGivenAndNeverWithoutIds) {
    test::TempDir dir;
    const std::string data = "--data-dir '" + dir.Path() + "' ";
    test::ToolProcessResult r = test::RunToolProcess(dir, data + "udev-rule");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("VendorId and ProductId"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());

    ProfileFile ini(dir.File("KLV570.ini"));
    ASSERT_TRUE(ini.WriteProfileString("USB", "VendorId", "1a2B"));
    ASSERT_TRUE(ini.WriteProfileString("USB", "ProductId", "0x0570"));
    r = test::RunToolProcess(dir, data + "udev-rule");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("ATTRS{idVendor}==\"1a2b\", ATTRS{idProduct}==\"0570\""),
              std::string::npos)
        << r.out;

    r = test::RunToolProcess(dir, data + "udev-rule --vendor 04d8 --product fffe");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"04d8\", ATTRS{idProduct}==\"fffe\""), std::string::npos);
    EXPECT_EQ(test::RunToolProcess(dir, data + "udev-rule --vendor 04d8").status, 2);
}

}  // namespace
}  // namespace klv
