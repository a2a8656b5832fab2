#include <gtest/gtest.h>

#include <map>
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

using test::Condition;
using test::Layer;

// Channel 5: nickel over copper, "N-1" with limit check, three data taken through the log:
// nickel 1, 2, 4 and copper 2, 2, 5 µm, the first on the 1st of the month, the others on the 2nd.
struct StatsChannel {
    test::TempDir data;
    test::TempDir scratch;
    test::ScriptedOperator op;
    test::SettableClock clock;
    ConditionStore store{data.Path(), op};
    MeasFileData d = Condition({Layer(16, "Ni"), Layer(kCoatCopper, "Cu")});
    MeasurementBuffer buffer{};

    StatsChannel() {
        store.CreateConditionDirectories();
        d.bStatFlags = kStatTotalOn | kStatLimitCheckOn;
        d.bStatMode = 2;
        d.nStatTotal = 100;
        d.limits[0] = {{}, 5.0f, 0.5f};
        d.limits[1] = {{}, 6.0f, 1.0f};
        EXPECT_TRUE(store.WriteConditionFile(4, d));
        const float values[3][2] = {{1.0f, 2.0f}, {2.0f, 2.0f}, {4.0f, 5.0f}};
        for (int m = 0; m < 3; ++m) {
            clock.SetDate(2026, 3, m == 0 ? 1 : 2);
            for (int k = 0; k < 2; ++k)
                EXPECT_TRUE(AddMsrLogRecord(store, clock, d, 4, buffer, k, values[m][k], false));
        }
    }
    test::ToolProcessResult Run(const std::string& args) {
        return test::RunToolProcess(scratch, "--data-dir '" + data.Path() + "' " + args);
    }
};

struct Items {
    std::vector<std::string> names;
    std::map<std::string, std::string> text;
};

Items ParseItems(const std::string& out) {
    Items items;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        items.names.push_back(line.substr(0, tab));
        items.text[items.names.back()] =
            tab == std::string::npos ? "(no tab)" : line.substr(tab + 1);
    }
    return items;
}

TEST(ToolStats, AllDataGiveEveryStatItemInTheTopicsOrder) {
    StatsChannel c;
    const test::ToolProcessResult r = c.Run("stats 5");
    ASSERT_EQ(r.status, 0) << r.err;
    const Items items = ParseItems(r.out);
    ASSERT_EQ(items.names.size(), 69u);
    EXPECT_EQ(items.names[0], "DATACT");
    EXPECT_EQ(items.names[3], "COAT");
    EXPECT_EQ(items.names[68], "LLIMIT5");
    // Nickel: mean 7/3, sample deviation √(7/3) = 1.5275, 3-sigma -2.2492 and 6.9159.
    // Copper: mean 3, sample deviation √3 = 1.7320, 3-sigma -2.1961 and 8.1961.
    const std::map<std::string, std::string> expected = {
        {"DATACT", "3"},         {"BASE", "Fe"},          {"UNIT", "um"},
        {"COAT", "Ni"},          {"COAT1", "Ni"},         {"COAT2", "Cu"},
        {"COAT3", ""},           {"TOTAL", "7.0"},        {"TOTAL2", "9.0"},
        {"TOTAL3", ""},          {"MAX1", "4.0"},         {"MAX2", "5.0"},
        {"MIN1", "1.0"},         {"MIN2", "2.0"},         {"AVERAGE1", "2.3"},
        {"AVERAGE2", "3.0"},     {"RANGE1", "3.0"},       {"STDEV", "1.5275"},
        {"STDEV2", "1.7320"},    {"L3SIGMA1", "-2.249"},  {"L3SIGMA2", "-2.196"},
        {"H3SIGMA1", "6.9159"},  {"H3SIGMA2", "8.1961"},  {"HLIMIT1", "5.000000"},
        {"HLIMIT2", "6.000000"}, {"LLIMIT1", "0.500000"}, {"LLIMIT2", "1.000000"},
        {"LLIMIT5", ""},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(items.text.at(name), text) << name;
}

TEST(ToolStats, GroupModesSelectAndAverageTheData) {
    StatsChannel c;
    struct Case {
        const char* group;
        const char* dataCount;
        const char* nickelTotal;
    };
    const Case cases[] = {
        {"all", "3", "7.0"},
        {"partial:3-2", "2", "6.0"},   // data 2 and 3, the range given backwards
        {"partial:2-9", "2", "6.0"},   // past the end
        {"interval:1,2", "2", "5.0"},  // data 1 and 3
        {"fixed:2", "2", "5.5"},       // averages 1.5 and 4
        {"daily", "2", "4.0"},         // averages 1 and 3
    };
    for (const Case& k : cases) {
        const test::ToolProcessResult r = c.Run(std::string("stats 5 --group ") + k.group);
        ASSERT_EQ(r.status, 0) << k.group << r.err;
        const Items items = ParseItems(r.out);
        EXPECT_EQ(items.text.at("DATACT"), k.dataCount) << k.group;
        EXPECT_EQ(items.text.at("TOTAL1"), k.nickelTotal) << k.group;
    }
    // A nickel layer stored without a value is no value: the minimum stays 1.
    ASSERT_TRUE(AddMsrLogRecord(c.store, c.clock, c.d, 4, c.buffer, 0, 0.0f, true));
    ASSERT_TRUE(AddMsrLogRecord(c.store, c.clock, c.d, 4, c.buffer, 1, 3.0f, false));
    const Items failed = ParseItems(c.Run("stats 5").out);
    EXPECT_EQ(failed.text.at("DATACT"), "4");
    EXPECT_EQ(failed.text.at("MIN1"), "1.0");
    EXPECT_EQ(failed.text.at("AVERAGE1"), "2.3");
    EXPECT_EQ(failed.text.at("STDEV"), "1.5275");
    EXPECT_EQ(failed.text.at("AVERAGE2"), "3.0");
    // An incomplete data at the end is never a statistics data.
    ASSERT_TRUE(AddMsrLogRecord(c.store, c.clock, c.d, 4, c.buffer, 0, 50.0f, false));
    EXPECT_EQ(ParseItems(c.Run("stats 5").out).text.at("MAX1"), "4.0");
}

// Nickel 1, 2, 4 against 0.5 … 5: moving ranges 1 and 2 over 1.128 within, √(7/3) overall.
TEST(ToolCapability, SigmasAndTheFourFiguresOfALayer) {
    StatsChannel c;
    const test::ToolProcessResult r = c.Run("capability 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "n\t3\nmean\t2.33333\nsigma-within\t1.32979\nsigma-overall\t1.52753\ncp\t0.564\n"
              "cpk\t0.460\npp\t0.491\nppk\t0.400\n");
    const Items copper = ParseItems(c.Run("capability 5 --layer 2").out);
    EXPECT_EQ(copper.text.at("sigma-overall"), "1.73205");
    EXPECT_EQ(copper.text.at("ppk"), "0.385");
    const Items groups = ParseItems(c.Run("capability 5 --group fixed:2").out);
    EXPECT_EQ(groups.text.at("n"), "3") << "the individual values behind the groups";
    // Groups 1 2 and 4: one range of 1 over d2 of two (1.1284).
    EXPECT_EQ(groups.text.at("sigma-within"), "0.88623");
    EXPECT_EQ(c.Run("capability 5 --layer 3").status, 1);
    EXPECT_EQ(c.Run("capability 5 --mode all").status, 2);
    c.d.bStatFlags = kStatTotalOn;
    ASSERT_TRUE(c.store.WriteConditionFile(4, c.d));
    const Items off = ParseItems(c.Run("capability 5").out);
    EXPECT_EQ(off.text.at("sigma-within"), "1.32979");
    EXPECT_EQ(off.text.at("cp"), "-") << "no limits without the limit check";
}

TEST(ToolStats, BadArgumentsAreUsageErrorsAndUnreadableChannelsGiveTheMessage) {
    StatsChannel c;
    for (const char* bad :
         {"stats", "stats 51", "stats 5 --group", "stats 5 --group weekly",
          "stats 5 --group fixed:0", "stats 5 --group fixed:", "stats 5 --group partial:3",
          "stats 5 --group partial:0-2", "stats 5 --group interval:1",
          "stats 5 --group interval:1,100000", "stats 5 --group all:1", "stats 5 --mode all",
          "stats 5 --group all extra"}) {
        const test::ToolProcessResult r = c.Run(bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
    const test::ToolProcessResult missing = c.Run("stats 7");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "The file can't be found.\n");
    EXPECT_EQ(missing.out, "");

    // The condition promises a data the log does not hold.
    c.d.nItemCt = 8;
    ASSERT_TRUE(c.store.WriteConditionFile(4, c.d));
    const test::ToolProcessResult shortLog = c.Run("stats 5");
    EXPECT_EQ(shortLog.status, 1);
    EXPECT_EQ(shortLog.err, "Data can't be read, or some error in the data.\n");
    EXPECT_EQ(shortLog.out, "");
}

}  // namespace
}  // namespace klv
