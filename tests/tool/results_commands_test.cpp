#include <gtest/gtest.h>

#include <string>

#include "base/file_io.h"
#include "base/fixed_text.h"
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

using ToolRun = test::ToolProcessResult;

ToolRun RunTool(const test::TempDir& data, const test::TempDir& scratch, const std::string& args) {
    return test::RunToolProcess(scratch, "--data-dir '" + data.Path() + "' " + args);
}

// Channel 2: Sn over an alloy layer over Cu, three measurements taken through the data log.
struct MeasuredChannel {
    test::TempDir data;
    test::TempDir scratch;
    test::ScriptedOperator op;
    test::SettableClock clock;
    ConditionStore store{data.Path(), op};
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    MeasurementBuffer buffer{};

    MeasuredChannel() {
        store.CreateConditionDirectories();
        d.bStatFlags = kStatLimitCheckOn;
        d.limits[0].fUpperLimit = 2.2f;
        d.limits[2].fLowerLimit = 3.5f;
        d.limits[2].fUpperLimit = 10.0f;
        EXPECT_TRUE(store.WriteConditionFile(1, d));
        const float values[3][3] = {{2.0f, 1.2f, 3.0f}, {1.5f, 0.8f, 4.0f}, {2.5f, 1.0f, 5.5f}};
        for (int m = 0; m < 3; ++m) {
            clock.SetDate(2005, 12, 29 + m);
            for (int k = 0; k < 3; ++k)
                EXPECT_TRUE(AddMsrLogRecord(store, clock, d, 1, buffer, k, values[m][k], false));
        }
    }
};

TEST(ToolExport, DefaultsGiveTheValuesOfEveryCompleteMeasurement) {
    MeasuredChannel c;
    ToolRun r = RunTool(c.data, c.scratch, "export 2");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2.0\t3.0\r\n1.5\t4.0\r\n2.5\t5.5\r\n");
}

TEST(ToolExport, ItemsDelimiterDateFormatUnitAndASwappedRange) {
    MeasuredChannel c;
    ToolRun r =
        RunTool(c.data, c.scratch,
                "export 2 --items 117 --delimiter 1 --date-format 3 --unit --from 3 --to 2");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "2,12/2005/30,2,Sn,1.5um,Cu,4.0um\r\n"
              "3,12/2005/31,2,Sn,2.5um,Cu,5.5um\r\n");
}

TEST(ToolExport, InterruptedMeasurementIsNotExported) {
    MeasuredChannel c;
    ASSERT_TRUE(AddMsrLogRecord(c.store, c.clock, c.d, 1, c.buffer, 0, 9.0f, false));
    ToolRun r = RunTool(c.data, c.scratch, "export 2 --from 2");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1.5\t4.0\r\n2.5\t5.5\r\n");
}

TEST(ToolExport, ErrorsGiveTheMessageAndStatusOne) {
    MeasuredChannel c;
    ToolRun range = RunTool(c.data, c.scratch, "export 2 --to 4");
    EXPECT_EQ(range.status, 1);
    EXPECT_EQ(range.err, "Range of values are from  1  to  3.\n");
    EXPECT_EQ(range.out, "");
    ToolRun missing = RunTool(c.data, c.scratch, "export 7");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "The file can't be found.\n");
    for (const char* bad : {"export", "export 2 --delimiter 3", "export 2 --items x",
                            "export 2 --date-format 6", "export 2 --from"}) {
        ToolRun usage = RunTool(c.data, c.scratch, bad);
        EXPECT_EQ(usage.status, 2) << bad;
    }
}

// A power loss before the log reached the disk leaves zero records inside the count.
TEST(ToolExport, LayersThatNeverLandedHaveNoValueAndEmptyMeasurementsAreNamed) {
    MeasuredChannel c;
    const MsrLogRecord tail[] = {
        test::Measured(2.0f, PackDate(2006, 1, 2)), test::Measured(1.0f), {}, {}, {}, {}};
    ASSERT_TRUE(WriteMsrLogFile(c.store, 1, tail, 9, 6));
    c.d.nItemCt = 15;
    ASSERT_TRUE(c.store.WriteConditionFile(1, c.d));
    const std::string message = "Data number 5 was interrupted before any layer was stored.\n";

    ToolRun r = RunTool(c.data, c.scratch, "export 2 --from 4");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.0\t0\r\n");
    EXPECT_EQ(r.err, message);
    ToolRun result = RunTool(c.data, c.scratch, "result 2 5");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, message);
}

TEST(ToolNames, ControlCharactersNeitherEnterNorSplitALine) {
    MeasuredChannel c;
    SetFixedText(c.d.coat[0].Name, "S\nn");
    test::WriteTestFile(c.store.MakeConditionFileName(1),
                        std::string(reinterpret_cast<const char*>(&c.d), sizeof c.d));
    ToolRun r = RunTool(c.data, c.scratch, "export 2 --items 96 --to 1");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "S n\t2.0\tCu\t3.0\r\n");

    ToolRun made = RunTool(c.data, c.scratch, "new 3 --layers Cu --name 'Line\tbreak'");
    EXPECT_EQ(made.status, 1);
    EXPECT_EQ(made.err, "Control characters can't be used. (name)\n");
    EXPECT_FALSE(FileExists(c.store.MakeConditionFileName(2)));
}

// Weights by hand: Sn 9.29 x 2 x 7.31 / 1000 = 0.13582, alloy tin 0.3 µm 0.020373 (rounded
// up at the sixth character), all Cu 0.249715 + 0.032263 = 0.281978 -> 0.282.
TEST(ToolResult, TinAlloyItemsSeparatedByTabs) {
    MeasuredChannel c;
    ToolRun r = RunTool(c.data, c.scratch, "result 2 1");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Solid Sn layer    \t   2.0\tum\t0.1358\t 14.62\t        \t0\t1\t0\n"
              "Sn layer of alloy\t   0.3\tum\t0.0204\t 2.193\t        \t0\t0\t0\n"
              "Coating thickness value of all Sn\t   2.3\tum\t0.1562\t16.813\t"
              "More than upper limit\t1\t0\t1\n"
              "Solid Cu layer    \t   3.0\tum\t0.2497\t 26.88\t        \t0\t1\t0\n"
              "Cu layer of alloy\t   0.4\tum\t0.0323\t3.4729\t        \t0\t0\t0\n"
              "Coating thickness value of all Cu\t   3.4\tum\t 0.282\t30.353\t"
              "Less than lower limit\t2\t0\t2\n");
}

TEST(ToolResult, MeasurementOutsideTheDataIsRefused) {
    MeasuredChannel c;
    ToolRun r = RunTool(c.data, c.scratch, "result 2 4");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Range of values are from  1  to  3.\n");
    EXPECT_EQ(RunTool(c.data, c.scratch, "result 2").status, 2);
}

}  // namespace
}  // namespace klv
