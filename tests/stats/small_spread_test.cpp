// Standard deviations of many values of small spread against the exact value, worked out here
// in long double about the mean, over the same single-precision values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "reference/unit_conversion.h"
#include "stats/calc_statistics.h"
#include "stats/simple_stat_rows.h"
#include "stats/statistics_mode.h"
#include "stats/statistics_texts.h"
#include "stats_test_support.h"

namespace klv {
namespace {

struct SpreadCase {
    int data;
    float centre;  // µm
    float spread;  // µm, the values lie within centre ± spread
    std::uint8_t unit;
    std::uint8_t mode;
};

// Values spread evenly but out of order over centre ± spread (a fixed linear congruence).
test::StoredLog SpreadLog(const SpreadCase& c) {
    test::StoredLog log;
    std::uint32_t x = 12345;
    for (int i = 0; i < c.data; ++i) {
        x = x * 1103515245u + 12345u;
        const double u = static_cast<double>(x >> 8) / static_cast<double>(1u << 24) * 2 - 1;
        log.AddEqual(1, static_cast<float>(c.centre + c.spread * u));
    }
    return log;
}

long double ExactStdDev(const test::StoredLog& log, const SpreadCase& c) {
    long double sum = 0;
    const auto shown = [&](const MsrLogRecord& r) {
        return static_cast<long double>(ToUnit(r.lMeasValue, c.unit));
    };
    for (const MsrLogRecord& r : log.items)
        sum += shown(r);
    const long double n = log.items.size();
    const long double mean = sum / n;
    long double squares = 0;
    for (const MsrLogRecord& r : log.items)
        squares += (shown(r) - mean) * (shown(r) - mean);
    return std::sqrt(squares / (c.mode == kStatModeNMinus1 ? n - 1 : n));
}

// Within one unit of the text's last digit.
void ExpectDigitsRight(const std::string& text, long double exact) {
    const std::size_t point = text.find('.');
    ASSERT_NE(point, std::string::npos) << text;
    const long double unit = std::pow(10.0L, -static_cast<int>(text.size() - point - 1));
    EXPECT_LE(std::fabs(std::strtold(text.c_str(), nullptr) - exact), unit)
        << text << " for " << static_cast<double>(exact);
}

MeasFileData OneLayer(const SpreadCase& c) {
    MeasFileData d = test::Condition({test::Layer(16, "Ni")});
    d.bUnit = c.unit;
    d.bStatFlags = kStatTotalOn;
    d.bStatMode = c.mode;
    return d;
}

TEST(SmallSpread, StatisticsPrintEveryDigitOfTheExactStandardDeviation) {
    const SpreadCase cases[] = {
        {5000, 100.0f, 0.01f, kUnitMicrometre, kStatModeN},
        {1000, 0.111f, 0.00005f, kUnitNanometre, kStatModeNMinus1},
        {99999, 100.0f, 0.01f, kUnitMicrometre, kStatModeNMinus1},
        {99999, 999.0f, 0.02f, kUnitMicrometre, kStatModeN},
    };
    for (const SpreadCase& c : cases) {
        SCOPED_TRACE(c.data);
        const MeasFileData d = OneLayer(c);
        const test::StoredLog log = SpreadLog(c);
        const StatisticsResult r = CalcStatistics(log.items, c.data, d);
        const long double exact = ExactStdDev(log, c);
        EXPECT_NEAR(r.layer[0].dStdDev, static_cast<double>(exact), 1e-9 * exact);
        ExpectDigitsRight(BuildStatisticsTexts(r, d, c.data).block.szStdDev[0], exact);
    }
}

TEST(SmallSpread, RunningPanelPrintsEveryDigitOfTheExactStandardDeviation) {
    for (const SpreadCase& c :
         {SpreadCase{100, 100.0f, 0.01f, kUnitMicrometre, kStatModeN},
          SpreadCase{50, 0.111f, 0.00005f, kUnitNanometre, kStatModeNMinus1}}) {
        MeasFileData d = OneLayer(c);
        const test::StoredLog log = SpreadLog(c);
        d.nItemCt = static_cast<std::uint32_t>(log.items.size());
        std::string text = BuildSimpleStatTexts(d, 0, log.items).stdDev[0];
        text.erase(0, text.find_first_not_of(' '));
        ExpectDigitsRight(text, ExactStdDev(log, c));
    }
}

}  // namespace
}  // namespace klv
