#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "base/byte_image.h"
#include "base/fixed_text.h"
#include "reference/condition_rules.h"
#include "reference/condition_store.h"
#include "reference/condition_store_test_support.h"
#include "reference/layer_setting_tables.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"
#include "tool_process.h"

namespace klv {
namespace {

using RunResult = test::ToolProcessResult;

RunResult RunTool(const test::TempDir& dir, const std::string& args, const std::string& env = "") {
    return test::RunToolProcess(dir, args, env);
}

struct ToolFixture {
    test::TempDir data;
    test::TempDir scratch;
    test::ScriptedOperator op;
    ConditionStore store{data.Path(), op};

    explicit ToolFixture(const std::string& dataRoot = "") : data(dataRoot) {
        store.CreateConditionDirectories();
        MeasFileData a = NewMeasFileData();
        SetFixedText(a.szFileName, "Sn on Cu \xB5m");  // µ in the single-byte code page
        a.coat[0] = LayerCondition{0x80, 11, 4, 2, 1, 6, 5, 0, 0.0f, 0.0f, {}, {}};
        a.coat[1] = LayerCondition{0x80, 128, 6, 2, 4, 6, 5, 0, 0.0f, 0.0f, {}, {}};
        a.coat[2] = LayerCondition{0x40, 5, 1, 3, 1, 0, 5, 0, 2.5f, 12.0f, {}, {}};
        a.bBaseCode = 1;
        SetFixedText(a.baseName, "Fe");
        a.bGasket = 1;
        a.bOldBlanking = kLegacyBlankingMoved;
        a.bStatMode = 2;
        a.nItemCt = 7;
        a.wFirstDate = PackDate(2026, 12, 9);
        SetFixedText(a.szLotNo, "L-42");
        EXPECT_TRUE(store.WriteConditionFile(2, a));
        MeasFileData b = NewMeasFileData();
        SetFixedText(b.szFileName, "New");
        EXPECT_TRUE(store.WriteConditionFile(49, b));
    }
    std::string Dir() const { return "--data-dir '" + data.Path() + "'"; }
};

TEST(Tool, ChannelsListsExistingChannelsInIndexOrder) {
    ToolFixture f;
    RunResult r = RunTool(f.scratch, f.Dir() + " channels");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "3\tSn on Cu \xC2\xB5m\t3\t3\n50\tNew\t0\t0\n");
    EXPECT_EQ(r.err, "");
}

TEST(Tool, ConditionDumpsEveryFieldInRecordOrderWithTableNames) {
    ToolFixture f;
    RunResult r = RunTool(f.scratch, f.Dir() + " condition 3");
    ASSERT_EQ(r.status, 0) << r.err;
    const char* expected[] = {
        "szFileName = Sn on Cu \xC2\xB5m\ncoat[0].bLayerFlags = 0x80\ncoat[0].bCode = 11 (Sn)\n"
        "coat[0].bSolution = 4 (E-24)\ncoat[0].bRange = 2 (1/1)\n"
        "coat[0].bSensitivity = 1 (Automatic)\ncoat[0].bPump = 6\ncoat[0].bBlanking = 5\n",
        "coat[1].bCode = 128 (Alloy layer)\n",
        "coat[2].bLayerFlags = 0x40\ncoat[2].bCode = 5 (Cu)\ncoat[2].bSolution = 1 (E-21)\n"
        "coat[2].bRange = 3 (4/10)\ncoat[2].bSensitivity = 1 (Automatic)\ncoat[2].bPump = 0\n"
        "coat[2].bBlanking = 5\ncoat[2].fAutoStop = 2.5\ncoat[2].fCurrent = 12\n"
        "coat[2].Name = \n",
        "coat[4].Name = \nbBaseCode = 1 (Fe)\nbaseName = Fe\nbUnit = 1 (um)\nbGasket = 1 (A)\n",
        "fAlloyCoefSn = 0.25\nfAlloyCoefCu = 0.323\nbStatFlags = 0x00\nbStatMode = 2 (N-1)\n",
        "limits[4].fLowerLimit = 0\nnItemCt = 7\nwFirstDate = 0x5D89 (2026/12/09)\n"
        "wLastDate = 0\nwPrintItems = 0x0000\nbPrintLineMode = 0\nszCustomer = \n"
        "szGoods = \nszLotNo = L-42\nszTester = \n",
    };
    std::size_t at = 0;
    for (const char* part : expected) {
        std::size_t found = r.out.find(part, at);
        EXPECT_NE(found, std::string::npos) << part;
        if (found != std::string::npos)
            at = found;
    }
    EXPECT_TRUE(r.out.ends_with("szTester = \n"));
    EXPECT_EQ(r.err, "");
}

TEST(Tool, ErrorsGiveTheSystemMessageAndStatusOne) {
    ToolFixture f;
    RunResult missing = RunTool(f.scratch, f.Dir() + " condition 4");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "The file can't be found.\n");

    test::WriteTestFile(f.store.MakeConditionFileName(4), std::string(559, '\0'));
    RunResult shortFile = RunTool(f.scratch, f.Dir() + " condition 5");
    EXPECT_EQ(shortFile.status, 1);
    EXPECT_EQ(shortFile.err, "Data can't be read, or some error in the data.\n");

    RunResult noTree = RunTool(f.scratch, "--data-dir '" + f.scratch.File("none") + "' channels");
    EXPECT_EQ(noTree.status, 1);
    EXPECT_EQ(noTree.err, "The file can't be found.\n");
}

TEST(Tool, UsageErrorsGiveStatusTwo) {
    ToolFixture f;
    for (const char* args : {"", "frobnicate", "condition", "condition 0", "condition 51",
                             "condition x", "condition 1 2", "channels extra", "--data-dir"}) {
        SCOPED_TRACE(args);
        RunResult r = RunTool(f.scratch, f.Dir() + " " + args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage: klv570-tool"), std::string::npos);
    }
}

TEST(Tool, NewWritesACompleteConditionWithTheCombinationDefaults) {
    ToolFixture f;
    RunResult r = RunTool(f.scratch, f.Dir() + " new 1 --name 'Cu on steel' --layers Cu --base Fe");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1 : Cu on steel\n");
    MeasFileData d;
    ASSERT_TRUE(f.store.ReadConditionFile(0, d, false));
    EXPECT_TRUE(IsComplete(d));
    EXPECT_EQ(GetTestSolutionName(d.coat[0].bSolution), "E-21");
    EXPECT_EQ(d.coat[0].bPump, 6);
    EXPECT_EQ(d.coat[0].bBlanking, 5);
    EXPECT_NE(d.coat[0].bLayerFlags & kLayerCurrentAuto, 0);

    RunResult alloy =
        RunTool(f.scratch, f.Dir() + " new 2 --layers Sn,Cu --base Fe --alloy --gasket 2");
    ASSERT_EQ(alloy.status, 0) << alloy.err;
    ASSERT_TRUE(f.store.ReadConditionFile(1, d, false));
    EXPECT_EQ(GetCoatCount(d), 3);
    EXPECT_TRUE(IsAlloyLayer(d.coat[1]));
    EXPECT_TRUE(IsComplete(d));
}

TEST(Tool, NewRefusesAnOccupiedChannelAndUnknownNames) {
    ToolFixture f;
    RunResult taken = RunTool(f.scratch, f.Dir() + " new 3 --layers Cu");
    EXPECT_EQ(taken.status, 1);
    EXPECT_EQ(taken.err, "channel 3 already has a condition\n");
    RunResult coating = RunTool(f.scratch, f.Dir() + " new 4 --layers Cu,Xx");
    EXPECT_EQ(coating.status, 1);
    EXPECT_EQ(coating.err, "unknown coating Xx\n");
    RunResult base = RunTool(f.scratch, f.Dir() + " new 4 --layers Cu --base Qq");
    EXPECT_EQ(base.status, 1);
    EXPECT_EQ(base.err, "unknown base Qq\n");
    RunResult gasket = RunTool(f.scratch, f.Dir() + " new 4 --layers Cu --gasket 5");
    EXPECT_EQ(gasket.status, 2);
    // Zinc over tin has no default test solution: the operator must learn which item lacks.
    RunResult lacking = RunTool(f.scratch, f.Dir() + " new 4 --layers Zn,Sn");
    EXPECT_EQ(lacking.status, 1);
    EXPECT_EQ(lacking.err, "Lack of item. (test solution of layer 1)\n");
    f.store.ScanChannels();
    EXPECT_FALSE(f.store.Channels().Exists(3));
}

const char kUnreadable[] = "Data can't be read, or some error in the data.";

std::string Image(const MeasFileData& d) {
    auto bytes = ToBytes(d);
    return std::string(bytes.begin(), bytes.end());
}

// A command that waits on a FIFO fails the test instead of hanging it.
std::string Limited(const test::FileDamage& kind) {
    return "timeout 20 " + (kind.unprivileged ? test::UnprivilegedPrefix() : std::string());
}

TEST(Tool, AChannelWhoseConditionCannotBeReadIsReportedAndNeverOverwritten) {
    for (const test::FileDamage& kind : test::DamagedConditionFiles()) {
        SCOPED_TRACE(kind.what);
        test::OpenToolArea area;
        ToolFixture f(area.Root());
        const auto run = [&](const std::string& args) {
            return test::RunToolProcess(f.scratch, f.Dir() + args, Limited(kind), area.Tool());
        };
        const std::string path = f.store.MakeConditionFileName(2);
        const std::string logPath = f.store.MakeMsrLogFileName(2);
        const std::string log(56, '\x22');
        test::WriteTestFile(logPath, log);
        MeasFileData good;
        ASSERT_TRUE(f.store.ReadConditionFile(2, good, false));
        kind.apply(path, Image(good));
        const std::string before = test::DescribeEntry(path);
        for (const char* folder : {"", "KlvMeasF", "KlvMeasD"})
            ::chmod(f.data.File(folder).c_str(), 0777);

        RunResult made = run(" new 3 --layers Cu");
        EXPECT_EQ(made.status, 1);
        EXPECT_EQ(made.err, std::string("channel 3 has a condition that can't be read: ") +
                                kUnreadable + "\n");
        EXPECT_EQ(test::DescribeEntry(path), before);
        EXPECT_EQ(test::ReadTestFile(logPath), log);

        RunResult listed = run(" channels");
        EXPECT_EQ(listed.status, 1);
        EXPECT_EQ(listed.out, "50\tNew\t0\t0\n");
        EXPECT_EQ(listed.err, std::string("channel 3: ") + kUnreadable + "\n");

        RunResult shown = run(" condition 3");
        EXPECT_EQ(shown.status, 1);
        EXPECT_EQ(shown.err, std::string(kUnreadable) + "\n");
    }
}

TEST(Tool, ALogThatIsNoFileIsRefusedAtOnce) {
    for (const test::FileDamage& kind : test::NonRegularFiles()) {
        SCOPED_TRACE(kind.what);
        ToolFixture f;
        kind.apply(f.store.MakeMsrLogFileName(2), "");
        RunResult r = RunTool(f.scratch, f.Dir() + " result 3 1", Limited(kind));
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, std::string(kUnreadable) + "\n");
    }
}

TEST(Tool, FoldersThatCannotBeMadeOrReadAreReported) {
    test::OpenToolArea area;
    ToolFixture f(area.Root());
    test::WriteTestFile(f.scratch.File("file"), "");
    RunResult made =
        RunTool(f.scratch, "--data-dir '" + f.scratch.File("file/dir") + "' new 1 --layers Cu");
    EXPECT_EQ(made.status, 1);
    EXPECT_EQ(made.err, "The directory can't be made.\n");

    ::chmod(f.data.Path().c_str(), 0777);
    ::chmod(f.data.File("KlvMeasF").c_str(), 0);
    RunResult listed = test::RunToolProcess(f.scratch, f.Dir() + " channels",
                                            test::UnprivilegedPrefix(), area.Tool());
    EXPECT_EQ(listed.status, 1);
    EXPECT_EQ(listed.out, "");
    EXPECT_EQ(listed.err, std::string(kUnreadable) + "\n");
    ::chmod(f.data.File("KlvMeasF").c_str(), 0755);
}

TEST(Tool, DefaultDataDirectoryComesFromTheEnvironment) {
    ToolFixture f;
    RunResult r = RunTool(f.scratch, "channels", "KLV570_DATA_DIR='" + f.data.Path() + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 2), "3\t");
}

}  // namespace
}  // namespace klv
