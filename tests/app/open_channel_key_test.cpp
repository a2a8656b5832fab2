#include "app/open_channel_key.h"

#include <gtest/gtest.h>

#include "app/settings_keys.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

struct KeyFixture {
    test::TempDir dir;
    ProfileFile ini{dir.File("KLV570.ini")};
    ChannelTable channels;
    void Store(const std::string& value) {
        ASSERT_TRUE(ini.WriteProfileString("Measurement", "MeasFileNbr", value));
    }
};

TEST(OpenChannelKey, TakesTheRememberedChannelOnlyWhenOpenAndPresent) {
    KeyFixture f;
    f.channels.Set(3, true, false);
    EXPECT_EQ(ReadAutomaticChannel(f.ini, f.channels), std::nullopt);  // default "0"
    f.Store("1,3");
    EXPECT_EQ(ReadAutomaticChannel(f.ini, f.channels), 3);
    f.Store("0,3");
    EXPECT_EQ(ReadAutomaticChannel(f.ini, f.channels), std::nullopt);
    f.Store("1,4");  // deleted since
    EXPECT_EQ(ReadAutomaticChannel(f.ini, f.channels), std::nullopt);
    for (const char* bad : {"1", "1,", "1,-1", "1,50", "x,3", ""}) {
        SCOPED_TRACE(bad);
        f.Store(bad);
        EXPECT_EQ(ReadAutomaticChannel(f.ini, f.channels), std::nullopt);
    }
}

TEST(OpenChannelKey, WrittenOnOpeningAndRemovedAtMeasurementEnd) {
    KeyFixture f;
    ASSERT_TRUE(WriteOpenChannel(f.ini, 12));
    EXPECT_EQ(f.ini.GetProfileString("Measurement", "MeasFileNbr", "?"), "1,12");
    ASSERT_TRUE(ForgetOpenChannel(f.ini));
    EXPECT_FALSE(f.ini.HasProfileKey("Measurement", "MeasFileNbr"));
}

}  // namespace
}  // namespace klv
