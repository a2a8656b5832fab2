#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>

#include "base/fixed_text.h"
#include "reference/condition_store.h"
#include "support/damaged_files.h"
#include "support/private_postgres.h"
#include "support/result_conditions.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"
#include "tool_process.h"

namespace klv {
namespace {

// Channel 3 holding two measurements of Ni over Cu in lot "L-42".
struct DbChannel {
    explicit DbChannel(const std::string& root = "") : data(root) { Write(); }
    test::TempDir data;
    test::TempDir scratch;
    test::ScriptedOperator op;
    ConditionStore store{data.Path(), op};

    void Write() {
        store.CreateConditionDirectories();
        store.CreateMsrLogFileDirectory();
        MeasFileData d =
            test::Condition({test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu")});
        SetFixedText(d.szLotNo, "L-42");
        SetFixedText(d.szTester, "Ann");
        const std::uint16_t day = PackDate(2026, 12, 10);
        const MsrLogRecord log[] = {test::Measured(2.0f, day), test::Measured(9.0f, day),
                                    test::Measured(2.5f, day), test::NoValue(day)};
        d.nItemCt = 4;
        d.wFirstDate = d.wLastDate = day;
        EXPECT_TRUE(store.WriteConditionFile(2, d));
        EXPECT_TRUE(WriteMsrLogFile(store, 2, log, 0, 4));
    }
    test::ToolProcessResult Run(const std::string& args) {
        return test::RunToolProcess(scratch, "--data-dir '" + data.Path() + "' db " + args);
    }
};

TEST(DbCommandsTest, SyncRecordsOnceAndQueryAnswersInEachFormat) {
    DbChannel c;
    auto sync = c.Run("sync");
    ASSERT_EQ(sync.status, 0) << sync.err;
    EXPECT_NE(sync.out.find("recorded\t2\n"), std::string::npos) << sync.out;
    EXPECT_EQ(sync.err, "") << "no progress line without a terminal";
    sync = c.Run("sync");
    EXPECT_NE(sync.out.find("recorded\t0\n"), std::string::npos) << sync.out;

    const auto status = c.Run("status");
    ASSERT_EQ(status.status, 0) << status.err;
    EXPECT_NE(status.out.find("schema\t1\n"), std::string::npos);
    EXPECT_NE(status.out.find("measurements in the logs\t2\n"), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("outbox\t0 waiting"), std::string::npos) << status.out;

    const auto csv = c.Run("query --lot L-42 --channel 3 --format csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 5) << csv.out;
    EXPECT_EQ(csv.out.rfind("tester,host,channel,data_number,", 0), 0u) << csv.out;
    EXPECT_NE(csv.out.find(",3,2,2026-12-10,,L-42,,,Ann,Test,,,0,2,Cu,,,,,1,"), std::string::npos)
        << csv.out;
    const auto json = c.Run("query --from 2026-12-10 --to 2026-12-10 --format json");
    EXPECT_NE(json.out.find("\"lot\": \"L-42\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"value_um\": null"), std::string::npos) << json.out;
    const auto none = c.Run("query --lot other --tester nobody");
    EXPECT_EQ(none.out.rfind("tester\thost\tchannel\t", 0), 0u) << none.out;
    EXPECT_EQ(std::count(none.out.begin(), none.out.end(), '\n'), 1) << none.out;

    const auto history = c.Run("history 3 2");
    ASSERT_EQ(history.status, 0) << history.err;
    EXPECT_NE(history.out.find("measured as number 2"), std::string::npos) << history.out;
}

TEST(DbCommandsTest, RefusesWrongArgumentsAndAWrongAddress) {
    DbChannel c;
    for (const char* args : {"", "vacuum", "query --from 10.12.2026", "query --format xml",
                             "query --channel 51", "history 3", "history 3 x", "status now"})
        EXPECT_EQ(c.Run(args).status, 2) << args;
    // A database file this user may only read.
    test::OpenToolArea area;
    DbChannel lab(area.Root());
    ASSERT_EQ(lab.Run("status").status, 0);
    ::chmod(lab.data.Path().c_str(), 0777);
    // Root runs the tool as nobody, who may not write root's file; a normal user's own file is
    // made read-only instead.
    if (::geteuid() != 0)
        ::chmod(lab.data.File("results.sqlite").c_str(), 0444);
    const auto readOnly =
        test::RunToolProcess(lab.scratch, "--data-dir '" + lab.data.Path() + "' db sync",
                             test::UnprivilegedPrefix(), area.Tool());
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_NE(readOnly.err.find("readonly database"), std::string::npos) << readOnly.err;

    test::WriteTestFile(c.data.File("KLV570.ini"), "[ResultsDatabase]\nUrl=oracle://lab\n");
    const auto r = c.Run("status");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("neither sqlite: nor postgresql://"), std::string::npos) << r.err;
}

TEST(DbCommandsTest, TwoTestersSyncIntoOneLabServerAtOnceAndItAnswersAsTheirOwnFiles) {
    test::PrivatePostgres server;
    ASSERT_EQ(server.Error(), "");
    const std::string database = server.NewDatabase();
    ASSERT_NE(database, "") << server.Error();
    DbChannel first, second;
    // What the first tester's own file says, before it joins the lab.
    ASSERT_EQ(first.Run("sync").status, 0);
    const auto own = first.Run("query --lot L-42 --format csv");
    ASSERT_EQ(own.status, 0) << own.err;
    for (DbChannel* c : {&first, &second})
        test::WriteTestFile(c->data.File("KLV570.ini"),
                            "[ResultsDatabase]\nUrl=" + server.Url(database) + "\n");

    test::ToolProcessResult synced[2];
    std::thread other([&] { synced[1] = second.Run("sync"); });
    synced[0] = first.Run("sync");
    other.join();
    for (const auto& r : synced) {
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("recorded\t2\n"), std::string::npos) << r.out;
    }
    const auto status = first.Run("status");
    EXPECT_NE(status.out.find("database\tPostgreSQL database " + database + " on " +
                              server.Folder() + "\n"),
              std::string::npos)
        << status.out;
    std::string firstId = test::ReadTestFile(first.data.File("results-tester.id"));
    firstId.erase(firstId.find_last_not_of(" \r\n") + 1);
    const auto lab = first.Run("query --lot L-42 --format csv --tester " + firstId);
    EXPECT_EQ(lab.out, own.out);
    const auto both = first.Run("query --lot L-42 --format csv");
    EXPECT_EQ(std::count(both.out.begin(), both.out.end(), '\n'), 9) << both.out;
}

// The certificate of a lot synced from the logs: the PDF read back, usage and failures told.
TEST(DbCommandsTest, CertificateOfALotAsPdf) {
    DbChannel c;
    ASSERT_EQ(c.Run("sync").status, 0);
    auto run = [&c](const std::string& args) {
        return test::RunToolProcess(c.scratch,
                                    "--data-dir '" + c.data.Path() + "' certificate " + args);
    };
    const std::string pdf = c.scratch.File("L-42.pdf");
    auto made = run("--lot L-42 --channel 3 --paper letter --out '" + pdf + "'");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "The certificate of lot L-42 is written to " + pdf + " (2 pages).\n");
    std::string words;
    if (FILE* p = popen(("pdftotext -layout '" + pdf + "' -").c_str(), "r")) {
        for (int ch; (ch = fgetc(p)) != EOF;)
            words += static_cast<char>(ch);
        pclose(p);
    }
    for (const char* expected : {"Lot L-42", "Ann", "2.0 um", "2.5 um", "no value", "Page 2 of 2"})
        EXPECT_NE(words.find(expected), std::string::npos) << expected << "\n" << words;

    for (const char* args : {"", "--lot L-42", "--out x.pdf", "--lot L-42 --out x.pdf --paper a3",
                             "--lot L-42 --channel 51 --out x.pdf", "--lot"}) {
        EXPECT_EQ(run(args).status, 2) << args;
    }
    const auto none = run("--lot nope --out '" + c.scratch.File("nope.pdf") + "'");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No measurement of lot nope is recorded.\n");
    const std::string gone = c.scratch.File("gone/x.pdf");
    const auto unwritable = run("--lot L-42 --out '" + gone + "'");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "The certificate cannot be written to " + gone + ".\n");
}

}  // namespace
}  // namespace klv
