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
    // "Automatic" fills nine characters: the columns keep one blank between them.
    EXPECT_EQ(cu->x, 100 + 270);
    // Shorter texts keep the columns nine characters apart.
    d.coat[0].bSensitivity = d.coat[1].bSensitivity = 3;
    ReportPage narrow(kM);
    ConditionPrintBlock(narrow, 100, 0, 2000, d, nullptr);
    ASSERT_NE(At(narrow, "Cu"), nullptr);
    EXPECT_EQ(At(narrow, "Cu")->x, 100 + 260);
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

std::vector<const ReportText*> AllAt(const ReportPage& page, const std::string& text) {
    std::vector<const ReportText*> found;
    for (const ReportText& t : page.Texts())
        if (t.text == text)
            found.push_back(&t);
    return found;
}

// Five layers on a wide page and on roll paper: every value stands under its own coating, and
// nothing runs past the paper's edge or is left out.
TEST(ConditionPrintBlock, EveryValueStandsUnderItsCoatingOnAnyPaper) {
    MeasFileData d =
        test::Condition({test::Layer(3, "Cr"), test::Layer(16, "Ni"), test::Layer(5, "Cu"),
                         test::Layer(11, "Sn"), test::Layer(1, "Bs")});
    SetFixedText(d.baseName, "SUS304");
    const std::pair<int, std::size_t> papers[] = {{2000, 1}, {576, 2}};
    for (const auto& [right, blocks] : papers) {
        ReportPage page(kM);
        ConditionPrintBlock(page, 0, 0, right, d, nullptr);
        for (const ReportText& t : page.Texts())
            EXPECT_LE(t.x + page.Width(t.text), right) << t.text << " on " << right;
        EXPECT_EQ(AllAt(page, "Coating").size(), blocks) << right;
        const std::vector<const ReportText*> sensitivity = AllAt(page, "Automatic");
        ASSERT_EQ(sensitivity.size(), 5u) << right;
        int k = 0;
        for (const char* coating : {"Cr", "Ni", "Cu", "Sn", "Bs"}) {
            const ReportText* name = At(page, coating);
            ASSERT_NE(name, nullptr) << coating << " on " << right;
            EXPECT_EQ(sensitivity[static_cast<std::size_t>(k++)]->x, name->x) << coating;
        }
        // A long base name keeps the unit in its own column.
        const ReportText* base = At(page, "SUS304");
        ASSERT_TRUE(base && At(page, "Unit") && At(page, "um"));
        EXPECT_GT(At(page, "Unit")->x, base->x + page.Width("SUS304"));
        EXPECT_EQ(At(page, "um")->x, At(page, "Unit")->x);
        EXPECT_NE(At(page, "Calibration value"), nullptr) << right;
    }
}

}  // namespace
}  // namespace klv
