#include "stats/run_rules.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/profile.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

// Centre 0, limits ±3: one sigma is 1 on both sides.
const ChartBlock kUnit = {0, 0, 0, 0, 3, -3, 3, -3};
// An edited lower limit: two sigma below the centre is -4.
const ChartBlock kWideBelow = {0, 0, 0, 0, 3, -6, 3, -6};

struct RuleCase {
    const char* what;
    RunRule rule;
    ChartBlock lines;
    std::vector<float> values;
    std::vector<std::size_t> flagged;
};

std::vector<float> Repeat(std::initializer_list<float> head, float v, std::size_t count,
                          std::initializer_list<float> tail = {}) {
    std::vector<float> out(head);
    out.insert(out.end(), count, v);
    out.insert(out.end(), tail);
    return out;
}

std::vector<float> Alternating(std::size_t count, float a) {
    std::vector<float> out;
    for (std::size_t i = 0; i < count; ++i)
        out.push_back(i % 2 == 0 ? a : -a);
    return out;
}

TEST(RunRules, EachRuleTripsAtItsPointAndNotOnANearMiss) {
    std::vector<float> alternatingFlat = Alternating(14, 0.1f);
    alternatingFlat[6] = alternatingFlat[5];
    std::vector<float> withinThenOut = Alternating(14, 0.5f);
    withinThenOut.insert(withinThenOut.end(), {1.01f, 0.5f});
    const RuleCase cases[] = {
        {"beyond the upper limit", kRuleBeyondLimits, kUnit, {0, 0, 3.1f, -3.1f}, {2, 3}},
        {"on the limits", kRuleBeyondLimits, kUnit, {0, 3, -3}, {}},
        {"nine above", kRuleNineOnOneSide, kUnit, Repeat({-0.5f}, 0.5f, 10), {9, 10}},
        {"eight, the centre, one", kRuleNineOnOneSide, kUnit, Repeat({}, 0.5f, 8, {0, 0.5f}), {}},
        {"eight above, one below", kRuleNineOnOneSide, kUnit, Repeat({}, 0.5f, 8, {-0.5f}), {}},
        {"six rising", kRuleSixTrending, kUnit, {0, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.4f}, {5}},
        {"six falling", kRuleSixTrending, kUnit, {0.5f, 0.4f, 0.3f, 0.2f, 0.1f, 0}, {5}},
        {"a flat step", kRuleSixTrending, kUnit, {0, 0.1f, 0.2f, 0.2f, 0.3f, 0.4f, 0.5f}, {}},
        {"fourteen alternating", kRuleFourteenAlternating, kUnit, Alternating(15, 0.1f), {13, 14}},
        {"thirteen alternating", kRuleFourteenAlternating, kUnit, Alternating(13, 0.1f), {}},
        {"a flat step among them", kRuleFourteenAlternating, kUnit, alternatingFlat, {}},
        {"two of three above", kRuleTwoOfThree, kUnit, {0, 2.1f, 0, 2.1f}, {3}},
        {"the flag sits on the second beyond",
         kRuleTwoOfThree,
         kUnit,
         {2.1f, 2.1f, 0, 0, -2.1f, -2.1f, 0},
         {1, 5}},
        {"two of four", kRuleTwoOfThree, kUnit, {2.1f, 0, 0, 2.1f}, {}},
        {"opposite sides", kRuleTwoOfThree, kUnit, {2.1f, -2.1f, 0}, {}},
        {"zones follow each limit", kRuleTwoOfThree, kWideBelow, {-2.1f, -2.1f, -4.1f, -4.1f}, {3}},
        {"four of five above", kRuleFourOfFive, kUnit, {1.1f, 1.1f, 0, 1.1f, 1.1f}, {4}},
        {"three of five", kRuleFourOfFive, kUnit, {1.1f, 1.1f, 0, 0, 1.1f, 1.1f}, {}},
        {"beyond on both sides", kRuleFourOfFive, kUnit, Alternating(6, 1.1f), {}},
        {"fifteen within", kRuleFifteenWithin, kUnit, Alternating(16, 0.5f), {14, 15}},
        {"fourteen within, one out", kRuleFifteenWithin, kUnit, withinThenOut, {}},
        {"eight beyond on both sides", kRuleEightBeyond, kUnit, Alternating(8, 1.5f), {7}},
        {"seven beyond, one inside",
         kRuleEightBeyond,
         kUnit,
         Repeat({}, 1.5f, 7, {0.9f, 1.5f}),
         {}},
    };
    for (const RuleCase& c : cases) {
        // Every rule on, to see that none leaks into another's bit.
        const std::vector<unsigned> all = FindRunRuleBreaks(c.values, c.lines, kAllRunRules);
        std::vector<std::size_t> flagged;
        for (std::size_t i = 0; i < all.size(); ++i)
            if ((all[i] & c.rule) != 0)
                flagged.push_back(i);
        EXPECT_EQ(flagged, c.flagged) << c.what;
        const std::vector<unsigned> off = FindRunRuleBreaks(c.values, c.lines, ~c.rule);
        for (std::size_t i = 0; i < off.size(); ++i)
            EXPECT_EQ(off[i] & c.rule, 0u) << c.what << ": switched off";
    }
}

TEST(RunRules, ZoneRulesNeedLimitsApartFromTheCentre) {
    const ChartBlock flat = {0, 0, 0, 1, 1, 1, 1, 1};
    EXPECT_EQ(FindRunRuleBreaks(Repeat({}, 2, 8), flat,
                                kAllRunRules & ~kRuleBeyondLimits & ~kRuleNineOnOneSide),
              std::vector<unsigned>(8, 0u));
}

TEST(RunRules, TheRangeChartGetsTheRulesWithoutZones) {
    ControlChartSeries s;
    s.x = Repeat({}, 0.5f, 3);
    s.r = {2.1f, 2.1f, 2.1f, 3.5f};
    ControlChart c;
    c.x = kUnit;
    c.r = kUnit;
    const ChartRuleBreaks b = FindChartRuleBreaks(s, c, kAllRunRules);
    EXPECT_EQ(b.r, (std::vector<unsigned>{0, 0, 0, kRuleBeyondLimits}));
    EXPECT_EQ(b.x.size(), 3u);
    EXPECT_EQ(RunRulePoints(b.r, kRuleBeyondLimits, 2), "5");
    EXPECT_EQ(RunRulePoints(b.r, kRuleTwoOfThree, 2), "-");
}

TEST(RunRules, TheSettingsFileKeepsTheChoiceAndDefaultsToTheFormerRules) {
    const test::TempDir dir;
    ProfileFile ini(dir.File("KLV570.ini"));
    EXPECT_EQ(LoadRunRules(ini),
              kRuleBeyondLimits | kRuleNineOnOneSide | kRuleSixTrending | kRuleTwoOfThree);
    ASSERT_TRUE(SaveRunRules(ini, kRuleFourOfFive | kRuleEightBeyond));
    EXPECT_EQ(LoadRunRules(ini), kRuleFourOfFive | kRuleEightBeyond);
    ASSERT_TRUE(SaveRunRules(ini, 0));
    EXPECT_EQ(LoadRunRules(ini), 0u) << "all off is a choice, not a missing key";
    EXPECT_EQ(RunRuleNumber(kRuleFifteenWithin), 7);
    EXPECT_STREQ(RunRuleText(RunRuleOf(4)), "14 in a row alternating");
}

}  // namespace
}  // namespace klv
