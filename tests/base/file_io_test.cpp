#include "base/file_io.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "support/damaged_files.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

// A primitive that waits on a FIFO ends the test run instead of hanging it.
struct HangGuard {
    HangGuard() { ::alarm(20); }
    ~HangGuard() { ::alarm(0); }
};

TEST(FileIo, WhatIsNotARegularFileIsRefusedAtOnceAndLeftAsItWas) {
    HangGuard guard;
    test::TempDir dir;
    const std::string path = dir.File("data.dat");
    for (const test::FileDamage& kind : test::NonRegularFiles()) {
        SCOPED_TRACE(kind.what);
        kind.apply(path, "");
        const std::string before = test::DescribeEntry(path);
        char buf[8] = {};
        std::string text = "old";
        EXPECT_EQ(ReadFileExact(path, buf, sizeof buf), FileReadResult::ReadFailed);
        EXPECT_EQ(ReadFileAt(path, 0, buf, sizeof buf), FileReadResult::ReadFailed);
        EXPECT_EQ(ReadWholeFile(path, text), FileReadResult::ReadFailed);
        EXPECT_EQ(text, "");
        EXPECT_NE(WriteFileAt(path, 0, buf, sizeof buf), FileWriteResult::Ok);
        EXPECT_NE(TruncateFileTo(path, 0), FileWriteResult::Ok);
        EXPECT_EQ(test::DescribeEntry(path), before);
    }
}

TEST(FileIo, OnlyAPathWithNothingAtAllIsNotFound) {
    test::TempDir dir;
    char buf[4];
    std::string text;
    EXPECT_EQ(ReadFileAt(dir.File("none"), 0, buf, sizeof buf), FileReadResult::CannotOpen);
    EXPECT_EQ(ReadWholeFile(dir.File("none"), text), FileReadResult::CannotOpen);
    EXPECT_TRUE(IsPathMissing(dir.File("none")));
    EXPECT_FALSE(IsPathMissing(dir.Path()));
    ASSERT_EQ(::symlink("gone", dir.File("link").c_str()), 0);
    EXPECT_FALSE(IsPathMissing(dir.File("link")));
    EXPECT_EQ(ReadFileExact(dir.File("link"), buf, sizeof buf), FileReadResult::ReadFailed);
}

TEST(FileIo, ReadAtTakesTheBytesAskedForOfALongerFile) {
    test::TempDir dir;
    test::WriteTestFile(dir.File("f"), "abcdefgh");
    char buf[4];
    ASSERT_EQ(ReadFileAt(dir.File("f"), 0, buf, sizeof buf), FileReadResult::Ok);
    EXPECT_EQ(std::string(buf, 4), "abcd");
    EXPECT_EQ(ReadFileAt(dir.File("f"), 6, buf, sizeof buf), FileReadResult::ReadFailed);
    EXPECT_EQ(ReadFileExact(dir.File("f"), buf, sizeof buf), FileReadResult::ReadFailed);
}

}  // namespace
}  // namespace klv
