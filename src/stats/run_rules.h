#pragma once

#include <span>
#include <string>
#include <vector>

#include "base/profile.h"
#include "stats/control_chart.h"

namespace klv {

// The eight run rules of a control chart, one bit each; a point that ends a run or a window
// carries the bit. Sigma is a third of the distance from the centre line to each limit, so
// that edited limits move the zones too.
enum RunRule : unsigned {
    kRuleBeyondLimits = 1u << 0,         // 1 point beyond 3 sigma
    kRuleNineOnOneSide = 1u << 1,        // 9 in a row on one side of the centre line
    kRuleSixTrending = 1u << 2,          // 6 in a row steadily rising or falling
    kRuleFourteenAlternating = 1u << 3,  // 14 in a row alternating up and down
    kRuleTwoOfThree = 1u << 4,           // 2 of 3 beyond 2 sigma on the same side
    kRuleFourOfFive = 1u << 5,           // 4 of 5 beyond 1 sigma on the same side
    kRuleFifteenWithin = 1u << 6,        // 15 in a row within 1 sigma
    kRuleEightBeyond = 1u << 7,          // 8 in a row beyond 1 sigma on either side
};
inline constexpr int kRunRuleCount = 8;
inline constexpr unsigned kAllRunRules = (1u << kRunRuleCount) - 1;
// The limits and the three rules the chart always had.
inline constexpr unsigned kDefaultRunRules =
    kRuleBeyondLimits | kRuleNineOnOneSide | kRuleSixTrending | kRuleTwoOfThree;
// The range chart's limits are not symmetric about R-bar, so its sigma zones mean nothing:
// it gets the rules that need no zones.
inline constexpr unsigned kRangeChartRules =
    kRuleBeyondLimits | kRuleNineOnOneSide | kRuleSixTrending | kRuleFourteenAlternating;

// Rule number 1-8 of a bit, and its text ("9 in a row on one side").
int RunRuleNumber(RunRule rule);
RunRule RunRuleOf(int number);
const char* RunRuleText(RunRule rule);

// One bit set per point of `values` for the enabled rules that it breaks.
std::vector<unsigned> FindRunRuleBreaks(std::span<const float> values, const ChartBlock& lines,
                                        unsigned enabled);

// The rule breaks of both charts of the control chart page, point by point.
struct ChartRuleBreaks {
    std::vector<unsigned> x;
    std::vector<unsigned> r;
};

ChartRuleBreaks FindChartRuleBreaks(const ControlChartSeries& s, const ControlChart& c,
                                    unsigned enabled);

// "Rule 2 (9 in a row on one side), rule 5 (...)" for the bits of one point.
std::string RunRuleList(unsigned rules);
// The points (1-based) that break `rule`, blank-separated, or "-" when none does.
std::string RunRulePoints(std::span<const unsigned> breaks, RunRule rule, std::size_t firstPoint);

// The enabled rules as the settings file keeps them; the default holds while nothing is stored.
unsigned LoadRunRules(const ProfileFile& ini);
bool SaveRunRules(ProfileFile& ini, unsigned rules);

}  // namespace klv
