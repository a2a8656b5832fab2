#include "base/glyph_text.h"

#include <gtest/gtest.h>

namespace klv {
namespace {

TEST(ParseGlyphText, EscapesBecomeGlyphsAndEverythingElseStaysText) {
    EXPECT_EQ(ParseGlyphText("g/m%0"), (std::vector<GlyphRun>{{"g/m", -1}, {"", 0}}));
    EXPECT_EQ(ParseGlyphText("%5 = 1.2"), (std::vector<GlyphRun>{{"", 5}, {" = 1.2", -1}}));
    // "?" is the last escape character and maps to glyph 15; "@" is past it.
    EXPECT_EQ(ParseGlyphText("a%?b%@"), (std::vector<GlyphRun>{{"a", -1}, {"", 15}, {"b%@", -1}}));
    EXPECT_EQ(ParseGlyphText("1.23%"), (std::vector<GlyphRun>{{"1.23%", -1}}));
    EXPECT_EQ(ParseGlyphText("50%x"), (std::vector<GlyphRun>{{"50%x", -1}}));
    EXPECT_EQ(ParseGlyphText("%/"), (std::vector<GlyphRun>{{"%/", -1}}));
    EXPECT_EQ(ParseGlyphText("%%0"), (std::vector<GlyphRun>{{"%", -1}, {"", 0}}));
    EXPECT_TRUE(ParseGlyphText("").empty());
    EXPECT_EQ(CountGlyphEscapes("mm%0 %5 %"), 2);
}

TEST(ChooseGlyphStrip, SmallFontsTakeTheClosestStripUnscaled) {
    auto c16 = ChooseGlyphStrip(16);
    ASSERT_TRUE(c16);
    EXPECT_EQ(kGlyphStripResources[c16->strip], 182);
    EXPECT_EQ(c16->scale, 1);
    EXPECT_EQ(kGlyphStripCells[ChooseGlyphStrip(11)->strip], 11);
    EXPECT_EQ(kGlyphStripCells[ChooseGlyphStrip(14)->strip], 13);
    EXPECT_EQ(kGlyphStripCells[ChooseGlyphStrip(18)->strip], 19);
    // Equally close: the later strip.
    EXPECT_EQ(kGlyphStripCells[ChooseGlyphStrip(12)->strip], 13);
}

TEST(ChooseGlyphStrip, LargeFontsTakeTheSmallestRemainderScaled) {
    auto c48 = ChooseGlyphStrip(48);
    ASSERT_TRUE(c48);
    EXPECT_EQ(kGlyphStripCells[c48->strip], 24);
    EXPECT_EQ(kGlyphStripResources[c48->strip], 180);
    EXPECT_EQ(c48->scale, 2);
    EXPECT_EQ(c48->CellSize(), 48);
    auto c39 = ChooseGlyphStrip(39);  // 39 = 3 x 13
    ASSERT_TRUE(c39);
    EXPECT_EQ(kGlyphStripCells[c39->strip], 13);
    EXPECT_EQ(c39->scale, 3);
    auto c24 = ChooseGlyphStrip(24);
    EXPECT_EQ(c24->CellSize(), 24);
    // Below the smallest strip every remainder is the height itself: the 24 strip would
    // scale to zero, so no glyph is drawn.
    EXPECT_FALSE(ChooseGlyphStrip(10));
    EXPECT_FALSE(ChooseGlyphStrip(0));
    EXPECT_FALSE(ChooseGlyphStrip(-3));
}

TEST(GlyphTextWidth, EscapesGiveWayToTheirCells) {
    EXPECT_EQ(GlyphTextWidth(50, 8, 0, 16), 50);
    EXPECT_EQ(GlyphTextWidth(50, 8, 1, 16), 50);
    EXPECT_EQ(GlyphTextWidth(50, 8, 2, 11), 50 - 32 + 22);
    EXPECT_EQ(GlyphTextWidth(50, 8, 1, 0), 34);
}

TEST(GlyphTextOrigin, FollowsTheAlignmentFlags) {
    EXPECT_EQ(GlyphTextOrigin(10, 20, 100, 40, 30, 10, 0), (GlyphPoint{10, 20}));
    EXPECT_EQ(GlyphTextOrigin(10, 20, 100, 40, 30, 10, kGlyphAlignCenter | kGlyphAlignVCenter),
              (GlyphPoint{45, 35}));
    EXPECT_EQ(GlyphTextOrigin(10, 20, 100, 40, 30, 10, kGlyphAlignRight | kGlyphAlignBottom),
              (GlyphPoint{80, 50}));
    // Centring wins over right alignment, as it is tested first.
    EXPECT_EQ(GlyphTextOrigin(0, 0, 100, 40, 30, 10, kGlyphAlignCenter | kGlyphAlignRight).x, 35);
}

}  // namespace
}  // namespace klv
