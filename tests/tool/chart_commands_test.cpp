#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "reference/condition_store.h"
#include "results/measurement_log.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"
#include "tool_process.h"

namespace klv {
namespace {

// Channel 3: one nickel layer, the data of each day given as their values in µm.
struct ChartChannel {
    test::TempDir data;
    test::TempDir scratch;
    test::ScriptedOperator op;
    test::SettableClock clock;
    ConditionStore store{data.Path(), op};
    MeasFileData d = test::Condition({test::Layer(16, "Ni")});
    MeasurementBuffer buffer{};

    explicit ChartChannel(std::initializer_list<std::vector<float>> days) {
        store.CreateConditionDirectories();
        d.bStatFlags = kStatTotalOn;
        d.bStatMode = 2;
        EXPECT_TRUE(store.WriteConditionFile(2, d));
        int day = 1;
        for (const std::vector<float>& values : days) {
            clock.SetDate(2026, 4, day++);
            for (float v : values)
                EXPECT_TRUE(AddMsrLogRecord(store, clock, d, 2, buffer, 0, v, false));
        }
    }
    test::ToolProcessResult Run(const std::string& args) {
        return test::RunToolProcess(scratch, "--data-dir '" + data.Path() + "' " + args);
    }
};

std::vector<std::string> Lines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(ToolXbarR, DailyGroupsGiveLimitsScaleAndGroupLines) {
    ChartChannel c({{1, 2, 3, 2}, {2, 2, 2, 2}, {3, 4, 5, 4}});
    const test::ToolProcessResult r = c.Run("xbarr 3 --group daily");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 23u) << r.out;
    // Means 2, 2 and 4; ranges 2, 0 and 2: R-bar 4/3, A2 of 4 is 0.729.
    const std::vector<std::string> head = {
        "chart\tX-bar-R", "k\t3",       "n\t4",         "xbarbar\t2.7", "ucl-x\t3.6",
        "lcl-x\t1.7",     "rbar\t1.3",  "ucl-r\t3.0",   "lcl-r\t0.0",   "x-top\t5.0",
        "x-bottom\t1.0",  "r-top\t3.0", "r-bottom\t0.0"};
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(lines[i], head[i]);
    EXPECT_EQ(lines[13], "1\t2.0\t2.0");
    EXPECT_EQ(lines[15], "3\t4.0\t2.0");
    // The former rules by default, each on the plots it applies to: mean 4 lies above UCL,
    // and the two equal means lie more than two sigma below the centre: the second is flagged.
    const std::vector<std::string> rules = {
        "rule\t1\tX-bar\t3", "rule\t1\tR\t-", "rule\t2\tX-bar\t-", "rule\t2\tR\t-",
        "rule\t3\tX-bar\t-", "rule\t3\tR\t-", "rule\t5\tX-bar\t2"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 16, lines.end()), rules);

    // The choice of the scale dialog, from the settings file, and the one given.
    std::ofstream(c.data.Path() + "/KLV570.ini") << "[Statistics]\nRunRules=16\n";
    const std::vector<std::string> chosen = Lines(c.Run("xbarr 3 --group daily").out);
    EXPECT_EQ(std::vector<std::string>(chosen.begin() + 16, chosen.end()),
              std::vector<std::string>{"rule\t5\tX-bar\t2"});
    const std::vector<std::string> given = Lines(c.Run("xbarr 3 --group daily --rules 8").out);
    EXPECT_EQ(std::vector<std::string>(given.begin() + 16, given.end()),
              std::vector<std::string>{"rule\t8\tX-bar\t-"});
    EXPECT_EQ(c.Run("xbarr 3 --group daily --rules 9").status, 2);
}

TEST(ToolXbarR, SingleDataGiveTheIndividualsAndMovingRangeChart) {
    ChartChannel c({{10, 12, 11, 13, 14}});
    const test::ToolProcessResult r = c.Run("xbarr 3 --group fixed:1 --rules 1");
    ASSERT_EQ(r.status, 0) << r.err;
    // Mean 12, MR-bar 1.5: 12 ± 2.66 × 1.5 and 3.267 × 1.5.
    EXPECT_EQ(
        Lines(r.out),
        (std::vector<std::string>{
            "chart\tI-MR",   "k\t5",         "n\t1",          "xbarbar\t12.0", "ucl-x\t16.0",
            "lcl-x\t8.0",    "rbar\t1.5",    "ucl-r\t4.9",    "lcl-r\t0.0",    "x-top\t16.0",
            "x-bottom\t8.0", "r-top\t4.9",   "r-bottom\t0.0", "1\t10.0\t-",    "2\t12.0\t2.0",
            "3\t11.0\t1.0",  "4\t13.0\t2.0", "5\t14.0\t1.0",  "rule\t1\tX\t-", "rule\t1\tMR\t-"}));
}

TEST(ToolXbarR, UnequalGroupsNeedTheGroupDataNumber) {
    ChartChannel c({{1, 2, 3, 2}, {2, 2, 2}, {3, 4, 5, 4}});
    const test::ToolProcessResult asked = c.Run("xbarr 3 --group daily");
    EXPECT_EQ(asked.status, 1);
    EXPECT_EQ(asked.err, "Data number of the one group is not fixed\n");
    EXPECT_EQ(c.Run("xbarr 3 --group daily --n 4").status, 0);
    const test::ToolProcessResult refused = c.Run("xbarr 3 --group daily --n 1000");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "Range of values are from  2  to  999.\n");
    EXPECT_EQ(c.Run("xbarr 3 --group all").status, 2);
    EXPECT_EQ(c.Run("xbarr 3 --layer 2").status, 1);
    EXPECT_EQ(c.Run("xbarr 3 --group fixed:20").err,
              "X-bar-R Expression condition for X-bar-R control chart.  1 group has more than 2 "
              "data, and there are more than 2 groups' data.\n");
}

TEST(ToolXbarRFactors, OneLinePerGroupDataNumber) {
    ChartChannel c({});
    const std::vector<std::string> all = Lines(c.Run("xbarr-factors").out);
    ASSERT_EQ(all.size(), 24u);
    EXPECT_EQ(all[0].rfind("2\t1.128", 0), 0u) << all[0];
    EXPECT_EQ(all[23].rfind("25\t3.93", 0), 0u) << all[23];
    EXPECT_EQ(Lines(c.Run("xbarr-factors 5").out),
              (std::vector<std::string>{"5\t2.325925\t0.864105\t0.576820\t0.000000\t2.114531"}));
    EXPECT_EQ(c.Run("xbarr-factors 1").status, 2);
}

TEST(ToolHistogram, AutomaticAndManualScales) {
    ChartChannel c({{1, 2, 3, 2, 2, 2, 4, 5}});
    const test::ToolProcessResult autoScale = c.Run("histogram 3");
    ASSERT_EQ(autoScale.status, 0) << autoScale.err;
    EXPECT_EQ(Lines(autoScale.out),
              (std::vector<std::string>{"lower\t1.0", "upper\t5.0", "divisions\t8", "top\t4", "1",
                                        "0", "4", "0", "1", "0", "1", "1"}));

    const test::ToolProcessResult manual = c.Run("histogram 3 --lower 5 --upper 1 --divisions 2");
    ASSERT_EQ(manual.status, 0) << manual.err;
    EXPECT_EQ(Lines(manual.out), (std::vector<std::string>{"lower\t1.0", "upper\t5.0",
                                                           "divisions\t2", "top\t6", "5", "3"}));
    const test::ToolProcessResult divisions =
        c.Run("histogram 3 --lower 1 --upper 5 --divisions 101");
    EXPECT_EQ(divisions.status, 1);
    EXPECT_EQ(divisions.err, "Range of values are from  1  to  100.\n");
    EXPECT_EQ(c.Run("histogram 3 --lower 1 --upper 1e7 --divisions 2").err,
              "Range of values are from  -99999  to  999999.\n");
    EXPECT_EQ(c.Run("histogram 3 --lower 1").status, 2);
}

}  // namespace
}  // namespace klv
