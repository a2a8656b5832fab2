#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"
#include "tool_process.h"

namespace klv {
namespace {

TEST(ToolUdevRule, TakesTheIdsTheProgramLooksForAndRefusesUnsetOnes) {
    test::TempDir dir;
    const std::string dataDir = "--data-dir '" + dir.Path() + "' ";
    test::ToolProcessResult r = test::RunToolProcess(dir, dataDir + "udev-rule");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("VendorId and ProductId"), std::string::npos) << r.err;

    test::WriteTestFile(dir.File("KLV570.ini"), "[usb]\r\nvendorid=0x04D8\r\nProductId=F2A1\r\n");
    r = test::RunToolProcess(dir, dataDir + "udev-rule");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("ATTRS{idVendor}==\"04d8\", ATTRS{idProduct}==\"f2a1\""),
              std::string::npos)
        << r.out;
}

TEST(ToolSounds, WritesTheProgramsWavesAndKeepsFilesThere) {
    test::TempDir dir;
    test::WriteTestFile(dir.File("Buzzer9.wav"), "own");
    test::ToolProcessResult r = test::RunToolProcess(dir, "sounds '" + dir.Path() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string end = test::ReadTestFile(dir.File("Buzzer7.wav"));
    EXPECT_EQ(end.substr(0, 4), "RIFF");
    EXPECT_GT(end.size(), 44u);
    EXPECT_NE(end, test::ReadTestFile(dir.File("Buzzer6.wav")));
    EXPECT_EQ(test::ReadTestFile(dir.File("Buzzer9.wav")), "own");
    EXPECT_EQ(test::RunToolProcess(dir, "sounds").status, 2);
}

}  // namespace
}  // namespace klv
