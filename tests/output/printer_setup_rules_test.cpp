#include "output/printer_setup_rules.h"

#include <gtest/gtest.h>

#include "output/roll_paper_lines.h"

namespace klv {
namespace {

TEST(PrinterSetupRules, SizeListStopsAtTwentyAndTypedSizesAreWholeNumbersInRange) {
    EXPECT_EQ(ListedPointSizes(), (std::vector<int>{9, 10, 11, 12, 14, 16, 18, 20}));
    EXPECT_EQ(CheckPointSize(" 13 ", kRollPaperPointSizes), 13);
    EXPECT_EQ(CheckPointSize("9", kRollPaperPointSizes), 9);
    EXPECT_EQ(CheckPointSize("20", kRollPaperPointSizes), 20);
    for (const char* bad : {"8", "21", "12.5", "", "x"})
        EXPECT_FALSE(CheckPointSize(bad, kRollPaperPointSizes)) << bad;
    EXPECT_EQ(CheckPointSize("4", kPagePointSizes), 4);
    EXPECT_FALSE(CheckPointSize("3", kPagePointSizes));
}

TEST(PrinterSetupRules, ModeBitsReplaceOnlyThemselves) {
    EXPECT_EQ(SelectedPrintMode(0x104), kPrintFiveDataPerLine);
    EXPECT_EQ(SelectedPrintMode(0x100), kPrintOneDataPerLine);
    EXPECT_EQ(SelectedPrintMode(0x08), kPrintAtStatistics);
    EXPECT_EQ(WithPrintMode(0x105, kPrintAtStatistics), 0x108);
    EXPECT_TRUE(LeavesFiveDataMode(4, 1));
    EXPECT_TRUE(LeavesFiveDataMode(4, 8));
    EXPECT_FALSE(LeavesFiveDataMode(4, 0x104));
    EXPECT_FALSE(LeavesFiveDataMode(1, 8));
}

TEST(PrinterSetupRules, AFaceInBothCharacterSetsStaysShiftJis) {
    const auto merged = MergeFontFaces({{"Mono", kAnsiFontCharSet},
                                        {"Gothic", kAnsiFontCharSet},
                                        {"Gothic", kShiftJisFontCharSet},
                                        {"Mono", kAnsiFontCharSet}});
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_EQ(merged[0].face, "Gothic");
    EXPECT_EQ(merged[0].charSet, kShiftJisFontCharSet);
    EXPECT_EQ(merged[1].face, "Mono");
    EXPECT_EQ(merged[1].charSet, kAnsiFontCharSet);
}

}  // namespace
}  // namespace klv
