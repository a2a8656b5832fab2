#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "reference/layer_value_format.h"
#include "stats/chart_geometry.h"
#include "stats/chart_values.h"
#include "stats/control_chart.h"
#include "stats/histogram.h"
#include "stats/profile_chart.h"
#include "stats_test_support.h"

namespace klv {
namespace {

using test::Layer;
using test::Measured;

ChartStatistics Stats(double min, double max, double average, double sd) {
    return {max, min, average, sd};
}

TEST(Histogram, AutoScaleClassesAndCountAxis) {
    EXPECT_EQ(AutoHistogramScale(Stats(1, 2, 1.5, 0), 30).divisions, 21u);
    EXPECT_EQ(AutoHistogramScale(Stats(1, 2, 1.5, 0), 8).divisions, 8u);
    EXPECT_EQ(AutoHistogramScale(Stats(1, 2, 1.5, 0), 0).divisions, 1u);
    const std::pair<std::uint32_t, std::uint32_t> tops[] = {
        {0, 2}, {1, 2}, {7, 8}, {10, 12}, {24, 28}};
    for (const auto& [largest, top] : tops)
        EXPECT_EQ(CountAxisTop(largest), top) << largest;
}

TEST(Histogram, ClassesHoldTheValuesTheirBarsStandOverAndCatchWhatLiesBeyond) {
    // Five classes of width 2: 0-2, 2-4, 4-6, 6-8 and 8-10.
    const std::vector<double> values = {-50, 0.9, 1.1, 1.99, 2.0, 4.0, 7.2, 9.9, 10.0, 1e30};
    const Histogram h = ComputeHistogram(values, {0, 10, 5}, Stats(0, 10, 5, 0));
    EXPECT_EQ(h.counts, (std::vector<std::uint32_t>{4, 1, 1, 1, 3}));
    EXPECT_EQ(h.top, 4u);
    EXPECT_EQ(h.sampleSum, 0.0) << "no standard deviation, no curve";

    // 0, 0.01, … 10: 200 values in each class, the upper limit in the last one.
    std::vector<double> even;
    for (int i = 0; i <= 1000; ++i)
        even.push_back(i / 100.0);
    EXPECT_EQ(ComputeHistogram(even, {0, 10, 5}, Stats(0, 10, 5, 0)).counts,
              (std::vector<std::uint32_t>{200, 200, 200, 200, 201}));
}

TEST(Histogram, EqualValuesFallIntoTheFirstClassWithoutACurve) {
    const std::vector<double> values(6, 3.5);
    const Histogram h = ComputeHistogram(values, {3.5, 3.5, 6}, Stats(3.5, 3.5, 3.5, 0));
    EXPECT_EQ(h.counts[0], 6u);
    EXPECT_EQ(CurveScale(h, 200), 0.0);
    EXPECT_EQ(ChartSpan(3.5, 3.5), 0.00001);
    EXPECT_EQ(ChartSpan(3.5, 3.4999999), -0.00001);
}

TEST(Histogram, TheCurveCoversTheBarsItIsDrawnOver) {
    // Counts follow the density, so the curve's peak meets the middle bar's height.
    const std::vector<double> values = {4, 5, 5, 5, 6};
    const Histogram h = ComputeHistogram(values, {4, 7, 3}, Stats(4, 6, 5, 0.7071));
    EXPECT_EQ(h.counts, (std::vector<std::uint32_t>{1, 3, 1}));
    EXPECT_EQ(h.countedTotal, 15.0);
    const int frame = 300;
    const double peak = CurveScale(h, frame) * NormalDensity(5, 5, 0.7071);
    const double bar = static_cast<double>(frame) * 3 / h.top;
    EXPECT_NEAR(peak / bar, 1.0, 0.35);
    EXPECT_NEAR(NormalDensity(0, 0, 1), 0.398942, 1e-6);

    // One class 0-2 is sampled at 0, 1 and 2: 2·φ(1) + φ(0) for mean 1 and sigma 1.
    const std::vector<double> one = {1};
    EXPECT_NEAR(ComputeHistogram(one, {0, 2, 1}, Stats(0, 2, 1, 1)).sampleSum,
                2 * 0.2419707 + 0.3989423, 1e-6);
}

TEST(Profile, LeadingDigitBoundsAndTheAutomaticAxis) {
    const MeasFileData d = test::Condition({Layer(16, "Ni", test::kRange4_10)});
    ASSERT_EQ(FormatLayerValue(12.34f, d, 0, false, false), " 12.34") << "two decimals";
    struct Case {
        double x;
        BoundDirection direction;
        double bound;
    };
    const Case cases[] = {
        {12.34, BoundDirection::Up, 20},   {12.34, BoundDirection::Down, 10},
        {0.95, BoundDirection::Up, 1},     {-3.4, BoundDirection::Down, -4},
        {-3.4, BoundDirection::Up, -3},    {9.5, BoundDirection::Up, 10},
        {-9.5, BoundDirection::Down, -10}, {20.0, BoundDirection::Up, 20},
        {0.0, BoundDirection::Up, 0},      {0.004, BoundDirection::Up, 0.004},
        {3.01, BoundDirection::Up, 4},     {5.01, BoundDirection::Down, 5},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(LeadingDigitBound(c.x, c.direction, d, 0), c.bound, 1e-5) << c.x;

    const std::vector<double> values = {9.1, 12.34, 8.76, 10.0};
    const ProfileValues v = WalkProfile(values);
    EXPECT_EQ(v.first, 9.1);
    EXPECT_EQ(v.last, 10.0);
    EXPECT_NEAR(v.sum, 40.2, 1e-9);
    const ProfileScale scale = AutoProfileScale(v, d, 0);
    EXPECT_NEAR(scale.lower, 8 * 0.999999, 1e-6);
    EXPECT_NEAR(scale.upper, 20 * 1.000001, 1e-6);
}

TEST(Profile, PointsSpanTheFrame) {
    EXPECT_EQ(ProfilePointX(10, 110, 0, 2), 10);
    EXPECT_EQ(ProfilePointX(10, 110, 1, 2), 110);
    EXPECT_EQ(ProfilePointX(10, 110, 0, 1), 10) << "one value does not divide by zero";
    EXPECT_EQ(ProfilePointX(10, 110, 2, 5), 60);
    EXPECT_EQ(ChartValueY(200, 100, 15, 10, 20), 150);
    EXPECT_EQ(ChartValueY(200, 100, 1e300, 10, 20), -1000000);
}

TEST(ControlChartFactors, MatchThePublishedConstants) {
    struct Row {
        int n;
        float d2, d3, a2, d3Factor, d4;
    };
    const Row rows[] = {
        {2, 1.128f, 0.853f, 1.880f, 0.0f, 3.267f},
        {5, 2.326f, 0.864f, 0.577f, 0.0f, 2.114f},
        {7, 2.704f, 0.833f, 0.419f, 0.076f, 1.924f},
        {10, 3.078f, 0.797f, 0.308f, 0.223f, 1.777f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.n);
        const ControlChartFactors f = ComputeControlChartFactors(r.n);
        EXPECT_NEAR(f.d2, r.d2, 0.001);
        EXPECT_NEAR(f.d3, r.d3, 0.001);
        EXPECT_NEAR(f.A2, r.a2, 0.001);
        EXPECT_NEAR(f.D3, r.d3Factor, 0.001);
        EXPECT_NEAR(f.D4, r.d4, 0.001);
    }
    EXPECT_EQ(ComputeControlChartFactors(6).D3, 0.0f) << "7 is the first with a positive D3";
}

TEST(ControlChart, FixedAndDailyGroups) {
    const MeasFileData d = test::Condition({Layer(16, "Ni")});
    test::StoredLog log;
    for (int i = 0; i < 23; ++i)
        log.Add({Measured(static_cast<float>(i))});
    ChartGroups fixed =
        FormChartGroups(log.items, 23, d, 0, GroupMode::FixedGroupAverage, 5, 99999);
    ASSERT_EQ(fixed.groups.size(), 5u);
    EXPECT_EQ(fixed.groups[4].count, 3u);
    EXPECT_EQ(fixed.groups[4].sum, 20.0f + 21.0f + 22.0f);
    EXPECT_EQ(fixed.groups[1].Range(), 4.0f);
    EXPECT_EQ(fixed.n, 5);
    EXPECT_EQ(
        FormChartGroups(log.items, 23, d, 0, GroupMode::FixedGroupAverage, 5, 2).groups.size(), 2u);

    const auto daily = [&](std::initializer_list<int> days) {
        test::StoredLog byDay;
        std::uint16_t date = 100;
        for (int n : days) {
            for (int i = 0; i < n; ++i)
                byDay.Add({Measured(1.0f, date)});
            ++date;
        }
        const auto data = static_cast<std::uint32_t>(byDay.items.size());
        return FormChartGroups(byDay.items, data, d, 0, GroupMode::DailyAverage, 1, 99999);
    };
    EXPECT_EQ(daily({4, 4, 4}).n, 4);
    EXPECT_EQ(daily({4, 4, 4}).groups.size(), 3u);
    EXPECT_EQ(daily({4, 3, 4}).n, 0) << "the operator gives the group data number";
}

TEST(ChartValues, LayersWithoutAValueAreNoValueOfAnyChart) {
    const MeasFileData d = test::Condition({Layer(16, "Ni")});
    test::StoredLog log;
    for (float v : {1.0f, 5.0f, 0.0f, 0.0f, 7.0f, 0.0f})
        log.Add({v == 0 ? test::NoValue() : Measured(v)});
    EXPECT_EQ(LayerChartValues(log.items, 6, d, 0), (std::vector<double>{1, 5, 7}));
    // Groups of two: 1 and 5, none, 7 alone.
    const ChartGroups g = FormChartGroups(log.items, 6, d, 0, GroupMode::FixedGroupAverage, 2, 99);
    ASSERT_EQ(g.groups.size(), 2u);
    EXPECT_EQ(g.groups[0].Mean(), 3.0f);
    EXPECT_EQ(g.groups[0].minimum, 1.0f);
    EXPECT_EQ(g.groups[1].count, 1u);
    EXPECT_EQ(g.groups[1].sum, 7.0f);
}

ChartGroup Group(float mean, float range) {
    return {mean + range / 2, mean - range / 2, 2 * mean, 2};
}

TEST(ControlChart, LimitsAxesAndTheMinimumSpan) {
    const ControlChartFactors f = ComputeControlChartFactors(2);
    const std::vector<ChartGroup> groups = {Group(10, 1), Group(11, 2), Group(12, 0)};
    const ControlChart c = ComputeControlChart(groups, f);
    EXPECT_FLOAT_EQ(c.x.centre, 11.0f);
    EXPECT_FLOAT_EQ(c.r.centre, 1.0f);
    EXPECT_FLOAT_EQ(c.x.ucl, 11.0f + f.A2);
    EXPECT_FLOAT_EQ(c.x.lcl, 11.0f - f.A2);
    EXPECT_FLOAT_EQ(c.r.ucl, f.D4);
    EXPECT_EQ(c.r.lcl, 0.0f);
    EXPECT_FLOAT_EQ(c.x.top, std::max(12.0f, c.x.ucl));
    EXPECT_FLOAT_EQ(c.x.bottom, std::min(9.5f, c.x.lcl));
    EXPECT_FLOAT_EQ(c.r.top, std::max(2.0f, c.r.ucl));

    const std::vector<ChartGroup> flat = {Group(5, 0), Group(5, 0)};
    const ControlChart z = ComputeControlChart(flat, f);
    EXPECT_EQ(z.r.bottom, 0.0f);
    EXPECT_FLOAT_EQ(z.r.top, 0.0002f);
    EXPECT_EQ(z.r.ucl, 0.0f);
    EXPECT_NEAR(z.x.top - z.x.bottom, 0.0002f, 1e-5);
}

TEST(ControlChart, IndividualsAndMovingRangeOfSingleData) {
    // Worked by hand: values 10, 12, 11, 13, 14 have the mean 12 and the moving ranges 2, 1,
    // 2 and 1, so MR-bar = 1.5; I limits 12 ± 2.66 × 1.5, MR upper 3.267 × 1.5.
    std::vector<ChartGroup> singles;
    for (float v : {10.0f, 12.0f, 11.0f, 13.0f, 14.0f})
        singles.push_back(Group(v, 0));
    const ControlChart c = ComputeIndividualsChart(singles);
    EXPECT_FLOAT_EQ(c.x.centre, 12.0f);
    EXPECT_FLOAT_EQ(c.r.centre, 1.5f);
    EXPECT_FLOAT_EQ(c.x.ucl, 15.99f);
    EXPECT_FLOAT_EQ(c.x.lcl, 8.01f);
    EXPECT_FLOAT_EQ(c.r.ucl, 4.9005f);
    EXPECT_EQ(c.r.lcl, 0.0f);
    EXPECT_FLOAT_EQ(c.x.top, 15.99f);
    EXPECT_FLOAT_EQ(c.x.bottom, 8.01f);
    EXPECT_FLOAT_EQ(c.r.top, 4.9005f);
    const ControlChartSeries s = ChartSeriesOf(singles, true);
    EXPECT_EQ(s.r, (std::vector<float>{2, 1, 2, 1}));
    EXPECT_EQ(s.rFirst, 1u);
    const ControlChartSeries groups = ChartSeriesOf(singles, false);
    EXPECT_EQ(groups.r.size(), 5u);
    EXPECT_EQ(groups.rFirst, 0u);
    EXPECT_EQ(ComputeIndividualsChart(std::vector<ChartGroup>{Group(5, 0)}).r.centre, 0.0f)
        << "one value has no moving range";
}

TEST(ControlChart, GroupAxisLabels) {
    EXPECT_EQ(GroupAxisLabels(30), (std::vector<std::size_t>{1, 5, 10, 15, 20, 25, 30}));
    EXPECT_EQ(GroupAxisLabels(12), (std::vector<std::size_t>{1, 5, 10}));
    EXPECT_EQ(GroupAxisLabels(4), (std::vector<std::size_t>{1, 2, 3, 4}));
    EXPECT_EQ(GroupAxisLabels(60).size(), 7u) << "every tenth of 60, and the first";
}

}  // namespace
}  // namespace klv

namespace klv {
namespace {

TEST(ChartGeometry, BarsLeaveGapsAndStayInsideTheFrame) {
    const ChartRect frame = ChartFrame({0, 0, 330, 230}, 10, 16, 5);
    EXPECT_EQ(frame.left, 55);
    EXPECT_EQ(frame.right, 320);
    EXPECT_EQ(frame.top, 4);
    EXPECT_EQ(frame.bottom, 230 - 18 - 4);
    Histogram h;
    h.scale = {0, 10, 5};
    h.counts = {1, 4, 9, 0, 2};
    h.top = 8;
    const ChartRect first = HistogramBar(frame, h, 0, 2);
    EXPECT_EQ(first.left, frame.left);
    EXPECT_EQ(first.right, frame.left + frame.Width() / 5 - 2);
    EXPECT_EQ(first.bottom - first.top, frame.Height() / 8);
    EXPECT_EQ(HistogramBar(frame, h, 2, 2).top, frame.top) << "a count above the top is clipped";
    EXPECT_EQ(HistogramBar(frame, h, 4, 2).right, frame.right) << "the last bar has no gap";
    EXPECT_EQ(HistogramAverageX(frame, h.scale, 5.0), frame.left + frame.Width() / 2);
    EXPECT_FALSE(HistogramAverageX(frame, h.scale, 10.5));
}

TEST(ChartGeometry, TheCurveStaysInsideTheFrameAndOutOfControlPointsAreFound) {
    const ChartRect frame{0, 0, 200, 100};
    const std::vector<double> values = {4, 5, 5, 5, 6};
    const ChartStatistics s{6, 4, 5, 0.7071};
    const Histogram h = ComputeHistogram(values, {4, 7, 3}, s);
    const std::vector<ChartPoint> curve = HistogramCurve(frame, h, s);
    ASSERT_FALSE(curve.empty());
    for (const ChartPoint& p : curve) {
        EXPECT_EQ(p.x % 2, 0);
        EXPECT_GE(p.y, frame.top);
        EXPECT_LE(p.y, frame.bottom);
    }

    const ControlChartFactors f = ComputeControlChartFactors(2);
    const std::vector<ChartGroup> groups = {Group(10, 1), Group(10, 1), Group(10, 1), Group(10, 1),
                                            Group(14, 1)};
    const ControlChart c = ComputeControlChart(groups, f);
    EXPECT_FALSE(IsOutOfControl(groups[0], c));
    EXPECT_TRUE(IsOutOfControl(groups[4], c));
    const ControlChartRects plots = ControlChartLayout({0, 0, 400, 300}, 8, 14);
    EXPECT_LT(plots.x.bottom, plots.r.top);
    EXPECT_EQ(ControlChartPoint(plots.x, c.x, 0, 5, c.x.bottom).y, plots.x.bottom);
    EXPECT_EQ(ControlChartPoint(plots.x, c.x, 4, 5, c.x.top).x, plots.x.right);
}

}  // namespace
}  // namespace klv
