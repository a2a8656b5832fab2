// Capability figures against values worked out here from their textbook definitions.
#include "stats/capability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "stats_test_support.h"
#include "support/scripted_operator.h"

namespace klv {
namespace {

using test::Measured;

// Nickel 10, 12, 11, 13, 9 and 10 µm, limits 7 … 16.
struct SixData : ::testing::Test {
    MeasFileData d = test::Condition({test::Layer(16, "Ni")});
    test::StoredLog log;
    const std::vector<double> values = {10, 12, 11, 13, 9, 10};

    SixData() {
        d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
        d.limits[0].fUpperLimit = 16;
        d.limits[0].fLowerLimit = 7;
        for (double v : values)
            log.Add({Measured(static_cast<float>(v))});
    }
    CapabilityFigures Of(const StatisticsSelection& s) {
        d.nItemCt = static_cast<std::uint32_t>(log.items.size());
        const FormedData formed = FormStatisticsData(d, log.items, s, op);
        return ComputeCapability(d, log.items, 6, formed, s, 0);
    }
    double Mean() const { return 65.0 / 6; }
    double SampleSigma() const {
        double squares = 0;
        for (double v : values)
            squares += (v - Mean()) * (v - Mean());
        return std::sqrt(squares / 5);
    }
    test::ScriptedOperator op;
};

TEST_F(SixData, SingleDataTakeTheMovingRangeWithinAndTheSampleDeviationOverall) {
    const CapabilityFigures c = Of({GroupMode::AllData, 0, 0, 0, 1, 1});
    EXPECT_EQ(c.n, 6u);
    EXPECT_NEAR(c.mean, Mean(), 1e-12);
    // Moving ranges 2, 1, 2, 4, 1.
    const double within = 10.0 / 5 / 1.128;
    ASSERT_TRUE(c.sigmaWithin && c.sigmaOverall && c.cp && c.cpk && c.pp && c.ppk);
    EXPECT_NEAR(*c.sigmaWithin, within, 1e-12);
    EXPECT_NEAR(*c.sigmaOverall, SampleSigma(), 1e-12);
    EXPECT_NEAR(*c.cp, 9 / (6 * within), 1e-12);
    EXPECT_NEAR(*c.cpk, (Mean() - 7) / (3 * within), 1e-12);
    EXPECT_NEAR(*c.pp, 9 / (6 * SampleSigma()), 1e-12);
    EXPECT_NEAR(*c.ppk, (Mean() - 7) / (3 * SampleSigma()), 1e-12);
}

TEST_F(SixData, GroupAveragesTakeTheRangesWithinAndTheIndividualValuesOverall) {
    // Groups 10 12 11 and 13 9 10: ranges 2 and 4, d2 of three is 1.693.
    const CapabilityFigures c = Of({GroupMode::FixedGroupAverage, 0, 0, 0, 1, 3});
    EXPECT_EQ(c.n, 6u) << "the individual values, not the two group means";
    ASSERT_TRUE(c.sigmaWithin && c.sigmaOverall && c.cp && c.pp);
    EXPECT_NEAR(*c.sigmaWithin, 3 / 1.693, 1e-3);
    EXPECT_NEAR(*c.sigmaOverall, SampleSigma(), 1e-12);
    EXPECT_NEAR(*c.cp, 9 * 1.693 / 18, 1e-3);
    EXPECT_NEAR(*c.pp, 9 / (6 * SampleSigma()), 1e-12);
}

TEST_F(SixData, FiguresWithoutLimitsOrSpreadAreMissing) {
    d.bStatFlags = kStatTotalOn;
    CapabilityFigures c = Of({GroupMode::AllData, 0, 0, 0, 1, 1});
    EXPECT_TRUE(c.sigmaWithin && c.sigmaOverall) << "the sigmas need no limits";
    EXPECT_FALSE(c.cp || c.cpk || c.pp || c.ppk);
    d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
    d.limits[0].fLowerLimit = 16;  // no window between the limits
    EXPECT_FALSE(Of({GroupMode::AllData, 0, 0, 0, 1, 1}).cp);
    d.limits[0].fLowerLimit = 7;
    c = Of({GroupMode::PartialData, 0, 0, 0, 1, 1});
    EXPECT_EQ(c.n, 1u);
    EXPECT_FALSE(c.sigmaWithin || c.sigmaOverall || c.cp || c.ppk) << "one value has no spread";
    log = {};
    for (int i = 0; i < 6; ++i)
        log.Add({Measured(10.0f)});
    c = Of({GroupMode::AllData, 0, 0, 0, 1, 1});
    EXPECT_FALSE(c.cp || c.pp) << "equal values: sigma 0";
}

// Tin over alloy over copper: the solid layers are judged by nothing, the totals by the limits
// of their layers.
TEST(Capability, TinAlloyTotalsAreJudgedAgainstTheirLayersLimits) {
    MeasFileData d = test::Condition(
        {test::Layer(kCoatTin, "Sn"), test::AlloyLayer(), test::Layer(kCoatCopper, "Cu")});
    d.bStatFlags = kStatLimitCheckOn;
    d.fAlloyCoefSn = 0.5f;
    d.fAlloyCoefCu = 0.5f;
    d.limits[0].fUpperLimit = 9;
    d.limits[0].fLowerLimit = 1;
    d.limits[2].fUpperLimit = 20;
    test::StoredLog log;
    log.Add({Measured(2.0f), Measured(2.0f), Measured(4.0f)});
    log.Add({Measured(4.0f), Measured(2.0f), Measured(8.0f)});
    d.nItemCt = 6;
    const StatisticsSelection all{GroupMode::AllData, 0, 0, 0, 1, 1};
    test::ScriptedOperator op;
    const FormedData formed = FormStatisticsData(d, log.items, all, op);
    const auto at = [&](int k) { return ComputeCapability(d, log.items, 2, formed, all, k); };
    EXPECT_FALSE(at(0).cp) << "solid tin";
    // All tin 3 and 5: within 2 / 1.128, overall √2; limits 1 … 9 around the mean 4.
    ASSERT_TRUE(at(2).cp && at(2).pp);
    EXPECT_NEAR(*at(2).cp, 8 / (6 * 2 / 1.128), 1e-5);
    EXPECT_NEAR(*at(2).ppk, 3 / (3 * std::sqrt(2.0)), 1e-5);
    EXPECT_FALSE(at(3).cp) << "solid copper";
    // All copper 5 and 9 against 0 … 20.
    ASSERT_TRUE(at(4).pp);
    EXPECT_NEAR(at(4).mean, 7.0, 1e-6);
    EXPECT_NEAR(*at(4).pp, 20 / (6 * std::sqrt(8.0)), 1e-5);
}

}  // namespace
}  // namespace klv
