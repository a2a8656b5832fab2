#include "base/line_log.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/damaged_files.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

std::vector<std::string> LogLines(const std::string& path) {
    std::vector<std::string> lines;
    std::string text = test::ReadTestFile(path);
    std::size_t pos = 0;
    for (std::size_t nl; (nl = text.find("\r\n", pos)) != std::string::npos; pos = nl + 2)
        lines.push_back(text.substr(pos, nl - pos));
    EXPECT_EQ(pos, text.size()) << "every line ends with CR LF";
    return lines;
}

TEST(LineLog, StartTruncatesAndLinesCarryTheTimeStamp) {
    test::TempDir dir;
    test::SettableClock clock;
    clock.SetNow(LocalTime{2026, 3, 4, 5, 6, 7, 8, 3});
    std::string path = dir.File("mylog.log");
    test::WriteTestFile(path, "old run\r\n");
    LineLog log;
    ASSERT_TRUE(log.Start(path, clock));
    EXPECT_EQ(log.Write(0, "CKLV570 Start ..."), 0);
    EXPECT_EQ(log.Write(1, "warn"), 0);
    EXPECT_EQ(LogLines(path), (std::vector<std::string>{"Starting ... ",
                                                        "2026/03/04,05:06:07.008,CKLV570 Start ...",
                                                        "2026/03/04,05:06:07.008,warn"}));
}

TEST(LineLog, AReleasedClockIsNeverReadAgain) {
    test::TempDir dir;
    std::string path = dir.File("mylog.log");
    LineLog log;
    {
        test::SettableClock clock;
        clock.SetNow(LocalTime{1999, 1, 2, 3, 4, 5, 6, 6});
        ASSERT_TRUE(log.Start(path, clock));
        log.ReleaseClock(clock);
    }
    EXPECT_EQ(log.Write(0, "after"), 0);
    std::vector<std::string> lines = LogLines(path);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].find("1999/"), std::string::npos) << "the system time stands in";
    EXPECT_EQ(lines[1].substr(lines[1].size() - 6), ",after");
}

TEST(LineLog, TracesAreDiscardedAndAMissingFileIsReported) {
    test::TempDir dir;
    test::SettableClock clock;
    std::string path = dir.File("mylog.log");
    LineLog log;
    EXPECT_EQ(log.Write(0, "before start"), -1);
    ASSERT_TRUE(log.Start(path, clock));
    EXPECT_EQ(log.Write(2, "trace"), 0);
    EXPECT_EQ(log.Write(3, "trace"), 0);
    EXPECT_EQ(LogLines(path).size(), 1u);

    LineLog broken;
    EXPECT_FALSE(broken.Start(dir.File("no/such/folder/mylog.log"), clock));
    EXPECT_EQ(broken.Write(0, "lost"), -1);
}

// A FIFO at the log's path would hang start-up until a reader came.
TEST(LineLog, WhatIsNotAFileIsRefusedAndLeftAsItIs) {
    test::ForEachNonRegularFile("mylog.log", [](const std::string& path) {
        test::SettableClock clock;
        LineLog log;
        EXPECT_FALSE(log.Start(path, clock));
        EXPECT_EQ(log.Write(0, "lost"), -1);
    });
}

TEST(LogPrint, FormatsLimitsTo1023CharactersAndDropsLevelTwo) {
    test::TempDir dir;
    test::SettableClock clock;
    std::string path = dir.File("mylog.log");
    ASSERT_TRUE(ProcessLineLog().Start(path, clock));
    EXPECT_EQ(LogPrint(0, "INI file: %s %d", "KLV570.ini", 42), 0);
    EXPECT_EQ(LogPrint(2, "Help pdf file=%s\n", "x"), 0);
    std::string longText(2000, 'a');
    EXPECT_EQ(LogPrint(1, "%s", longText.c_str()), 0);
    auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "2026/12/09,10:30:15.250,INI file: KLV570.ini 42");
    const std::string stamp = "2026/12/09,10:30:15.250,";
    EXPECT_EQ(lines[2], stamp + std::string(LineLog::kMaxMessage, 'a'));
}

TEST(LineLog, TwoThreadsNeverInterleaveALine) {
    test::TempDir dir;
    test::SettableClock clock;
    std::string path = dir.File("mylog.log");
    LineLog log;
    ASSERT_TRUE(log.Start(path, clock));
    constexpr int kPerThread = 300;
    auto writer = [&log](char c) {
        for (int i = 0; i < kPerThread; ++i)
            log.Write(0, std::string(200, c));
    };
    std::thread a(writer, 'a');
    std::thread b(writer, 'b');
    a.join();
    b.join();
    auto lines = LogLines(path);
    ASSERT_EQ(lines.size(), 1u + 2 * kPerThread);
    int as = 0, bs = 0;
    const std::string stamp = "2026/12/09,10:30:15.250,";
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == stamp + std::string(200, 'a'))
            ++as;
        else if (lines[i] == stamp + std::string(200, 'b'))
            ++bs;
        else
            ADD_FAILURE() << "mixed line " << i;
    }
    EXPECT_EQ(as, kPerThread);
    EXPECT_EQ(bs, kPerThread);
}

}  // namespace
}  // namespace klv
