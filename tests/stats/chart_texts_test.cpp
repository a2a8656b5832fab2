#include <gtest/gtest.h>

#include <cmath>

#include "base/check_messages.h"
#include "reference/unit_gasket_tables.h"
#include "stats/chart_lists.h"
#include "stats/chart_report.h"
#include "stats/chart_scale_input.h"
#include "stats/statistics_reports.h"
#include "stats_test_support.h"

namespace klv {
namespace {

// Copper, unit µm, one decimal.
MeasFileData Copper() {
    return test::Condition({test::Layer(5, "Cu")});
}

std::vector<std::string> Headers(const ChartList& list) {
    std::vector<std::string> headers;
    for (const ChartListColumn& c : list.columns)
        headers.push_back(c.header + ":" + std::to_string(c.chars));
    return headers;
}

TEST(ChartLists, ColumnsWidenWithTheirHeadersAndRowsShowTheLayer) {
    const MeasFileData d = Copper();
    LayerStatistics s{};
    s.dAverage = 5.04;
    Histogram h;
    h.scale.divisions = 21;
    CapabilityFigures capability;
    capability.cp = 1.33333;
    capability.ppk = 0.5;
    const ChartList hist = HistogramList(d, 0, 30, s, h, capability);
    EXPECT_EQ(Headers(hist),
              (std::vector<std::string>{"Unit:8", "Data number:15", "Average:11",
                                        "Division number:19", "Cp:8", "Cpk:8", "Pp:8", "Ppk:8"}));
    EXPECT_EQ(hist.rows.at(0),
              (std::vector<std::string>{"um", "30", "5.0", "21", "1.333", "-", "-", "0.500"}));

    const ChartList profile = ProfileList(d, 0, {4, 12.34, 8.76, 42.0, 9.0, 12.0});
    EXPECT_EQ(Headers(profile),
              (std::vector<std::string>{"Unit:6", "Maximum:9", "Minimum:9", "Average:9",
                                        "Data number:13", "Start point:13", "End point:11"}));
    EXPECT_EQ(profile.rows.at(0),
              (std::vector<std::string>{"um", "12.3", "8.8", "10.5", "4", "9.0", "12.0"}));
    // No value to walk: no average is made up either.
    EXPECT_EQ(ProfileList(d, 0, {}).rows.at(0),
              (std::vector<std::string>{"um", "0.0", "0.0", "0.0", "0", "0.0", "0.0"}));

    ControlChart c;
    c.x = {0, 0, 0, 10.04f, 12.5f, 7.5f, 13, 7};
    c.r = {0, 0, 0, 2, 4.2f, 0, 4.2f, 0};
    const ChartList limits = ControlLimitList(d, 0, c, false);
    EXPECT_EQ(limits.rows.at(0),
              (std::vector<std::string>{"%5", "10.0", "12.5", "7.5", "7.0--13.0"}));
    EXPECT_EQ(limits.rows.at(1), (std::vector<std::string>{"R", "2.0", "4.2", "0.0", "0.0--4.2"}));
    const ChartList factors = ControlFactorList(ComputeControlChartFactors(2), false);
    EXPECT_EQ(factors.rows.at(0), (std::vector<std::string>{"A2", "1.8799"}));
    EXPECT_EQ(factors.rows.at(1), (std::vector<std::string>{"D3", "0.0000"}));
    EXPECT_EQ(ControlLimitList(d, 0, c, true).rows.at(1).at(0), "MR");
    const ChartList moving = ControlFactorList(ComputeControlChartFactors(2), true);
    EXPECT_EQ(moving.rows.at(0), (std::vector<std::string>{"E2", "2.6600"}));
    EXPECT_EQ(moving.rows.at(2), (std::vector<std::string>{"D4", "3.2670"}));
}

TEST(ChartLists, RuleLinesNamePointPlotAndRule) {
    ControlChartSeries s;
    s.x = {1, 2, 3};
    s.r = {1, 1};
    s.rFirst = 1;
    s.individuals = true;
    const ChartRuleBreaks b = {{0, kRuleTwoOfThree | kRuleSixTrending, 0}, {0, kRuleBeyondLimits}};
    EXPECT_EQ(RunRuleLines(s, b),
              (std::vector<std::string>{
                  "2 X: Rule 3 (6 in a row rising or falling), rule 5 (2 of 3 beyond 2 sigma)",
                  "3 MR: Rule 1 (1 point beyond 3 sigma)"}));
}

TEST(ChartScaleInput, BoundsDivisionsAndGroupNumbersAreChecked) {
    MeasFileData d = Copper();
    d.bUnit = kUnitNanometre;  // typed in nm, stored in µm
    struct Case {
        const char* text;
        bool rangeChart;
        std::optional<double> stored;
        std::string message;
    };
    const Case cases[] = {
        {"-99999", false, -99.999, ""},
        {"-100000", false, std::nullopt, RangeMessage("-99999", "999999")},
        {"999999", false, 999.999, ""},
        {"1000000", false, std::nullopt, RangeMessage("-99999", "999999")},
        {"-1", true, std::nullopt, RangeMessage("0", "999999")},
        {"0.5", true, 0.0005, ""},
        {"x", false, std::nullopt, RangeMessage("-99999", "999999")},
    };
    for (const Case& c : cases) {
        std::string message;
        const std::optional<double> v = ParseChartBound(c.text, d, c.rangeChart, message);
        ASSERT_EQ(v.has_value(), c.stored.has_value()) << c.text;
        if (v) {
            EXPECT_NEAR(*v, *c.stored, std::fabs(*c.stored) * 1e-6) << c.text;
        }
        EXPECT_EQ(message, c.message) << c.text;
    }
    std::string message;
    EXPECT_FALSE(ParseDivisionNumber("0", message));
    EXPECT_EQ(message, RangeMessage(1, 100));
    EXPECT_FALSE(ParseDivisionNumber("101", message));
    EXPECT_EQ(ParseDivisionNumber("100", message), 100u);
    EXPECT_EQ(ParseDivisionNumber("7.9", message), 7u);
    for (const char* refused : {"1", "1000", "2.5", ""})
        EXPECT_FALSE(ParseGroupDataNumber(refused, message)) << refused;
    EXPECT_EQ(message, RangeMessage(2, 999));
    EXPECT_EQ(ParseGroupDataNumber("999", message), 999);
    double lower = 5;
    double upper = 2;
    OrderBounds(lower, upper);
    EXPECT_EQ(lower, 2);
    EXPECT_EQ(upper, 5);
}

TEST(ChartReport, HeadListsTheLayerAndEveryColumnAboveTheChart) {
    const ReportMetrics m{10, 20};
    ReportPage page(m);
    const MeasFileData d = Copper();
    // A rule break line is longer than every label but runs across the columns.
    const std::vector<std::string> lines = {"Unit\tum", "Data number of one group\t5",
                                            "12 X-bar: Rule 1 (1 point beyond 3 sigma)"};
    const int top = PrintChartReportHead(page, {100, 50, 900, 1000}, "Histogram", d, 2, 0, lines);
    const std::vector<ReportText>& t = page.Texts();
    ASSERT_EQ(t.size(), 9u);
    EXPECT_EQ(t[0].text, "[ Histogram ]");
    EXPECT_EQ(t[1].text, "3 : Test");
    EXPECT_EQ(t[1].y, 50 + 30);
    EXPECT_EQ(t[2].text, "Coating");
    EXPECT_EQ(t[2].y, 50 + 60);
    EXPECT_EQ(t[3].text, "Cu");
    // The values stand at the longest label plus two characters.
    EXPECT_EQ(t[3].x, 100 + 10 * (24 + 2));
    EXPECT_EQ(t[7].y, 50 + 60 + 2 * 25);
    EXPECT_EQ(t[8].x, 100);
    EXPECT_EQ(top, 50 + 60 + 4 * 25);

    // The chart keeps the screen's proportions and stops at the page bottom.
    const PrintRect area{100, 50, 900, 1000};
    const PrintRect chart = ChartReportArea(area, 200, 400, 300);
    EXPECT_EQ(chart.bottom, 200 + 600);
    EXPECT_EQ(ChartReportArea(area, 600, 400, 300).bottom, 1000);
    EXPECT_EQ(ChartReportArea(area, 200, 0, 300).right, area.left);
    // Nothing to draw into: no screen size, no width, no room left; one pixel or line is room.
    EXPECT_EQ(ChartReportArea(area, 200, 400, 0).right, area.left);
    EXPECT_EQ(ChartReportArea({100, 50, 100, 1000}, 200, 400, 300).right, 100);
    EXPECT_EQ(ChartReportArea(area, 1000, 400, 300).right, area.left);
    EXPECT_EQ(ChartReportArea(area, 999, 400, 300).bottom, 1000);
    EXPECT_EQ(ChartReportArea(area, 200, 1, 1).bottom, 1000);
    EXPECT_EQ(ChartReportArea({100, 50, 101, 1000}, 200, 1, 1).bottom, 201);
}

TEST(ChartReport, ControlChartLinesFollowTheStaticsWithBothLists) {
    const MeasFileData d = Copper();
    ControlChart c{};
    const std::vector<std::string> lines =
        ControlChartLines(d, 0, 12, 5, ControlLimitList(d, 0, c, false),
                          ControlFactorList(ComputeControlChartFactors(5), false));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Unit\tum");
    EXPECT_EQ(lines[1], "Number of groups\t12");
    EXPECT_EQ(lines[2], "Data number of one group\t5");
    EXPECT_EQ(lines[3], "\tAverage\tUCL\tLCL\tRange indication");
    EXPECT_EQ(lines[4].substr(0, 3), "%5\t");
    EXPECT_EQ(lines[6], "A2\t0.5768");
}

TEST(ChartReport, RuleBreaksAreCountedAndListedUpToTheLimit) {
    EXPECT_TRUE(RuleBreakReportLines({}, 6).empty());
    const std::vector<std::string> two = {"1 R: a", "2 R: b"};
    EXPECT_EQ(RuleBreakReportLines(two, 6),
              (std::vector<std::string>{"Run rule breaks\t2", "1 R: a", "2 R: b"}));
    EXPECT_EQ(RuleBreakReportLines(two, 2).size(), 3u);
    EXPECT_EQ(RuleBreakReportLines(two, 1),
              (std::vector<std::string>{"Run rule breaks\t2", "1 R: a",
                                        "... 1 more, marked on the chart"}));
}

TEST(ChartReport, CapabilityRowsOnlyWithTheLimitCheck) {
    MeasFileData d = Copper();
    StatisticsResult r{};
    CapabilityFigures c;
    c.cp = 1.5;
    c.cpk = 1.0;
    c.pp = 1.25;
    const CapabilityFigures figures[] = {c};
    ReportPage off({10, 20});
    EXPECT_EQ(ProcessCapabilityTable(off, 0, 100, r, d, figures), 100);
    EXPECT_TRUE(off.Texts().empty());
    d.bStatFlags |= kStatLimitCheckOn;
    ReportPage on({10, 20});
    EXPECT_GT(ProcessCapabilityTable(on, 0, 100, r, d, figures), 100 + 4 * 25);
    ASSERT_EQ(on.Texts().size(), 8u);
    std::vector<std::string> texts;
    for (const auto& t : on.Texts())
        texts.push_back(t.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Cp", "Cpk", "Pp", "Ppk", "1.500", "1.000", "1.250", "-"}));
    EXPECT_EQ(on.Texts()[7].x, on.Texts()[4].x);
    EXPECT_GT(on.Texts()[7].y, on.Texts()[6].y);
}

}  // namespace
}  // namespace klv
