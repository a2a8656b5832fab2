#include "stats/run_rules.h"

#include <algorithm>
#include <array>
#include <bit>

namespace klv {
namespace {

constexpr char kSection[] = "Statistics";
constexpr char kRulesKey[] = "RunRules";

constexpr std::array<const char*, kRunRuleCount> kTexts = {
    "1 point beyond 3 sigma",     "9 in a row on one side",   "6 in a row rising or falling",
    "14 in a row alternating",    "2 of 3 beyond 2 sigma",    "4 of 5 beyond 1 sigma",
    "15 in a row within 1 sigma", "8 in a row beyond 1 sigma"};

int Sign(double v) {
    return static_cast<int>(v > 0) - static_cast<int>(v < 0);
}

// Where values lie against the centre line and the sigma zones of one chart.
class Zones {
public:
    explicit Zones(const ChartBlock& b)
        : m_centre(b.centre),
          m_up((double(b.ucl) - b.centre) / 3),
          m_down((double(b.centre) - b.lcl) / 3),
          m_ucl(b.ucl),
          m_lcl(b.lcl) {}

    bool Usable() const { return m_up > 0 && m_down > 0; }
    int Side(float v) const { return Sign(v - m_centre); }
    bool OutOfLimits(float v) const { return v > m_ucl || v < m_lcl; }
    // +1 above centre + n sigma, -1 below centre - n sigma, else 0.
    int Beyond(float v, int n) const {
        return static_cast<int>(v > m_centre + n * m_up) -
               static_cast<int>(v < m_centre - n * m_down);
    }

private:
    double m_centre;
    double m_up;
    double m_down;
    double m_ucl;
    double m_lcl;
};

// Whether `need` of the last `window` points up to i lie beyond n sigma on i's side.
bool ManyBeyond(std::span<const float> v, const Zones& z, std::size_t i, int n, int need,
                std::size_t window) {
    const int side = z.Beyond(v[i], n);
    if (side == 0)
        return false;
    int count = 0;
    for (std::size_t j = i + 1 >= window ? i + 1 - window : 0; j <= i; ++j)
        count += static_cast<int>(z.Beyond(v[j], n) == side);
    return count >= need;
}

}  // namespace

int RunRuleNumber(RunRule rule) {
    return std::countr_zero(static_cast<unsigned>(rule)) + 1;
}

RunRule RunRuleOf(int number) {
    return static_cast<RunRule>(1u << (number - 1));
}

const char* RunRuleText(RunRule rule) {
    return kTexts[static_cast<std::size_t>(RunRuleNumber(rule) - 1)];
}

std::vector<unsigned> FindRunRuleBreaks(std::span<const float> values, const ChartBlock& lines,
                                        unsigned enabled) {
    std::vector<unsigned> breaks(values.size(), 0);
    const Zones z(lines);
    if (!z.Usable())
        enabled &= ~(kRuleTwoOfThree | kRuleFourOfFive | kRuleFifteenWithin | kRuleEightBeyond);
    int sideRun = 0;
    int trendPoints = 1;
    int alternatingPoints = 1;
    int withinRun = 0;
    int outsideRun = 0;
    int lastStep = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float v = values[i];
        const int s = z.Side(v);
        sideRun = s != 0 && i > 0 && z.Side(values[i - 1]) == s ? sideRun + 1 : (s != 0 ? 1 : 0);
        // A run of steps counts its points: its first step already joins two.
        const int step = i > 0 ? Sign(v - values[i - 1]) : 0;
        trendPoints = step != 0 && step == lastStep ? trendPoints + 1 : (step != 0 ? 2 : 1);
        alternatingPoints =
            step != 0 && step == -lastStep ? alternatingPoints + 1 : (step != 0 ? 2 : 1);
        lastStep = step;
        const bool inside = z.Beyond(v, 1) == 0;
        withinRun = inside ? withinRun + 1 : 0;
        outsideRun = inside ? 0 : outsideRun + 1;
        const std::pair<RunRule, bool> rules[] = {
            {kRuleBeyondLimits, z.OutOfLimits(v)},
            {kRuleNineOnOneSide, sideRun >= 9},
            {kRuleSixTrending, trendPoints >= 6},
            {kRuleFourteenAlternating, alternatingPoints >= 14},
            {kRuleTwoOfThree, ManyBeyond(values, z, i, 2, 2, 3)},
            {kRuleFourOfFive, ManyBeyond(values, z, i, 1, 4, 5)},
            {kRuleFifteenWithin, withinRun >= 15},
            {kRuleEightBeyond, outsideRun >= 8}};
        for (const auto& [rule, broken] : rules)
            if (broken && (enabled & rule) != 0)
                breaks[i] |= rule;
    }
    return breaks;
}

ChartRuleBreaks FindChartRuleBreaks(const ControlChartSeries& s, const ControlChart& c,
                                    unsigned enabled) {
    return {FindRunRuleBreaks(s.x, c.x, enabled),
            FindRunRuleBreaks(s.r, c.r, enabled & kRangeChartRules)};
}

std::string RunRuleList(unsigned rules) {
    std::string text;
    for (int n = 1; n <= kRunRuleCount; ++n) {
        if ((rules & RunRuleOf(n)) == 0)
            continue;
        text += text.empty() ? "Rule " : ", rule ";
        text += std::to_string(n) + " (" + RunRuleText(RunRuleOf(n)) + ")";
    }
    return text;
}

std::string RunRulePoints(std::span<const unsigned> breaks, RunRule rule, std::size_t firstPoint) {
    std::string points;
    for (std::size_t i = 0; i < breaks.size(); ++i) {
        if ((breaks[i] & rule) == 0)
            continue;
        if (!points.empty())
            points += ' ';
        points += std::to_string(i + firstPoint);
    }
    return points.empty() ? "-" : points;
}

unsigned LoadRunRules(const ProfileFile& ini) {
    return static_cast<unsigned>(
               ini.GetProfileInt(kSection, kRulesKey, static_cast<int>(kDefaultRunRules))) &
           kAllRunRules;
}

bool SaveRunRules(ProfileFile& ini, unsigned rules) {
    return ini.WriteProfileInt(kSection, kRulesKey, static_cast<int>(rules & kAllRunRules));
}

}  // namespace klv
