#include "stats/sender_block.h"

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "support/damaged_files.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

TEST(SenderBlock, WrittenOverTheStartAndReadBack) {
    test::TempDir dir;
    test::ScriptedOperator op;
    std::string path = dir.File("tester.dat");
    SenderBlock block{};
    SetFixedText(block.szTitle, "QC lab");
    SetFixedText(block.szLine[6], "line 7");
    block.lTitleFontSize = 140;
    // A longer file keeps its tail: only the block's 252 bytes are replaced.
    test::WriteTestFile(path, std::string(260, 'x'));
    ASSERT_TRUE(WriteSenderBlock(path, block, op));
    std::string image = test::ReadTestFile(path);
    ASSERT_EQ(image.size(), 260u);
    EXPECT_EQ(image.substr(252), std::string(8, 'x'));
    SenderBlock back;
    EXPECT_EQ(LoadSenderBlock(path, back), SenderLoadResult::Loaded);
    EXPECT_EQ(GetFixedText(back.szTitle), "QC lab");
    EXPECT_EQ(GetFixedText(back.szLine[6]), "line 7");
    EXPECT_EQ(back.lTitleFontSize, 140);
    EXPECT_TRUE(op.Texts().empty());
}

TEST(SenderBlock, ShortOrMissingFilesReadAsZeroAndFailuresAreShown) {
    test::TempDir dir;
    test::ScriptedOperator op;
    test::WriteTestFile(dir.File("short.dat"), std::string(251, 'T'));
    SenderBlock zero{};
    SenderBlock shortRead;
    std::memset(&shortRead, 'x', sizeof shortRead);
    EXPECT_EQ(LoadSenderBlock(dir.File("short.dat"), shortRead), SenderLoadResult::Absent);
    EXPECT_EQ(std::memcmp(&shortRead, &zero, sizeof zero), 0);
    SenderBlock missing;
    EXPECT_EQ(LoadSenderBlock(dir.File("none.dat"), missing), SenderLoadResult::Absent);
    EXPECT_EQ(std::memcmp(&missing, &zero, sizeof zero), 0);
    // What is there but cannot be read is no absent file: it must not be written over.
    test::ForEachNonRegularFile("tester.dat", [&](const std::string& path) {
        SenderBlock unreadable;
        EXPECT_EQ(LoadSenderBlock(path, unreadable), SenderLoadResult::Unreadable);
        EXPECT_EQ(std::memcmp(&unreadable, &zero, sizeof zero), 0);
    });

    EXPECT_FALSE(WriteSenderBlock(dir.File("no/such/tester.dat"), zero, op));
    EXPECT_EQ(op.Texts(), std::vector<std::string>{"The file can't be made."});
    EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Stop);
}

TEST(SenderBlock, TheReportsGetTitleSizeAndEveryLine) {
    SenderBlock block{};
    SetFixedText(block.szTitle, "ACME");
    for (int i = 0; i < kSenderLineCount; ++i)
        SetFixedText(block.szLine[i], std::string(1, static_cast<char>('a' + i)));
    block.lTitleFontSize = 16;
    const SenderRecord r = MakeSenderRecord(block, true);
    EXPECT_TRUE(r.present);
    EXPECT_EQ(r.title, "ACME");
    EXPECT_EQ(r.titleSize, 16);
    EXPECT_EQ(r.lines, (std::array<std::string, 7>{"a", "b", "c", "d", "e", "f", "g"}));
}

}  // namespace
}  // namespace klv
