#include "reference/condition_print_block.h"

#include <gtest/gtest.h>

#include "reference/unit_gasket_tables.h"
#include "reference/wt_coefficient.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

constexpr ReportMetrics kM{10, 20};

const ReportText* At(const ReportPage& page, const std::string& text) {
    for (const ReportText& t : page.Texts())
        if (t.text == text)
            return &t;
    return nullptr;
}

TEST(ConditionPrintBlock, LayerRowsSideLineAndBoxedExtras) {
    MeasFileData d = test::Condition({test::Layer(16, "Ni"), test::Layer(5, "Cu")});
    d.bGasket = kGasketWT;
    d.bWtMode = kWtModeRoundRod;
    d.fWtDiameter = 1.5f;
    d.fWtLength = 30.0f;
    d.bWtFlags = kWtLengthLater;
    ReportPage page(kM);
    const int y = ConditionPrintBlock(page, 100, 0, 2000, d, nullptr);
    ASSERT_NE(At(page, "Measure Condition"), nullptr);
    // Labels stop 17 characters (the longest, "Test solution", and 4) right of the block.
    const ReportText* ni = At(page, "Ni");
    const ReportText* cu = At(page, "Cu");
    ASSERT_TRUE(ni && cu);
    EXPECT_EQ(ni->x, 100 + 170);
    EXPECT_EQ(cu->x, 100 + 260);
    EXPECT_EQ(ni->y, 25);
    const ReportText* pump = At(page, "Pump[Hz]");
    ASSERT_NE(pump, nullptr);
    EXPECT_EQ(pump->y, 25 + 4 * 25);
    const ReportText* base = At(page, "Base");
    const ReportText* unit = At(page, "Unit");
    ASSERT_TRUE(base && unit);
    EXPECT_EQ(base->y, 25 + 5 * 25 + 30);
    EXPECT_EQ(unit->x, 100 + 80);
    // Each further column as wide as its caption and two blanks.
    const std::pair<const char*, int> columns[] = {
        {"Gasket", 140}, {"Calibration date", 220}, {"Calibration value", 400}};
    for (const auto& [caption, x] : columns) {
        ASSERT_NE(At(page, caption), nullptr) << caption;
        EXPECT_EQ(At(page, caption)->x, 100 + x) << caption;
    }
    ASSERT_NE(At(page, "Fe"), nullptr);
    EXPECT_EQ(At(page, "Fe")->y, base->y + 25);
    // Five characters for the values, and the length still to be typed.
    ASSERT_NE(At(page, "Diameter"), nullptr);
    EXPECT_NE(At(page, "1.5 mm"), nullptr);
    EXPECT_NE(At(page, "Input later"), nullptr);
    EXPECT_EQ(y, At(page, "Input later")->y + 20 + 10);
}

TEST(ConditionPrintBlock, NoExtrasEndsBelowTheSideLine) {
    const MeasFileData d = test::Condition({test::Layer(5, "Cu")});
    ReportPage page(kM);
    const int y = ConditionPrintBlock(page, 0, 0, 2000, d, nullptr);
    EXPECT_EQ(y, 25 + 5 * 25 + 30 + 25 + 30);
    EXPECT_EQ(At(page, "Diameter"), nullptr);
}

}  // namespace
}  // namespace klv
