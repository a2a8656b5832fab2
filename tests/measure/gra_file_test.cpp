#include "measure/gra_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/failing_allocation.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

std::string Image(std::int32_t count, std::size_t sampleBytes, std::int32_t interval = 100) {
    GraHeader h = MakeGraHeader();
    h.lCount = count;
    h.lInterval = interval;
    std::string bytes(sizeof h + sampleBytes, '\0');
    std::memcpy(bytes.data(), &h, sizeof h);
    return bytes;
}

GraReadResult Parse(const std::string& bytes, GraFile& out) {
    return ParseGraFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, out);
}

TEST(GraFile, ValidityRules) {
    struct Case {
        const char* what;
        std::string bytes;
        bool valid;
    };
    std::string lower = Image(2, 8);
    std::memcpy(lower.data(), "potentialgraph0", 15);
    std::string badMagic = Image(0, 0);
    badMagic[14] = '1';
    std::string zeroInterval = Image(0, 0);
    zeroInterval[280] = 0;
    const Case cases[] = {
        {"exact", Image(2, 8), true},
        {"empty trace", Image(0, 0), true},
        {"lower-case magic", lower, true},
        {"one byte short", Image(2, 7), false},
        {"one byte long", Image(2, 9), false},
        {"four bytes long", Image(2, 12), false},
        {"negative count", Image(-1, 0), false},
        // 4 × 0x40000001 wraps to 4 in 32 bits.
        {"count whose size overflows", Image(0x40000001, 4), false},
        {"header cut", Image(0, 0).substr(0, 375), false},
        {"other magic", badMagic, false},
        {"zero interval", zeroInterval, false},
        {"one millisecond interval", Image(2, 8, 1), true},
        {"negative interval", Image(2, 8, -100), false},
        // The trace could not grow past it in 32 bits.
        {"count above the trace's limit", Image(kGraMaximumCount + 1, 0), false},
    };
    for (const Case& c : cases) {
        GraFile out;
        EXPECT_EQ(Parse(c.bytes, out) == GraReadResult::Ok, c.valid) << c.what;
    }
    GraHeader h = MakeGraHeader();
    h.lInterval = 100;
    for (const std::int32_t count : {kGraMaximumCount, kGraMaximumCount + 1}) {
        h.lCount = count;
        EXPECT_EQ(IsValidGraHeader(h, kGraHeaderSize + 4ull * static_cast<std::uint64_t>(count)),
                  count == kGraMaximumCount);
    }
}

TEST(GraFile, WriteReadsBackAndMessages) {
    test::TempDir dir;
    GraHeader h = MakeGraHeader();
    h.lInterval = 100;
    h.lFullScale = 5000;
    h.lUpper = 260;
    const std::int32_t samples[] = {-35, 241, 7};
    ASSERT_EQ(WriteGraFile(dir.File("a.gra"), h, samples), FileWriteResult::Ok);
    GraFile file;
    ASSERT_EQ(ReadGraFile(dir.File("a.gra"), file), GraReadResult::Ok);
    EXPECT_EQ(file.samples, (std::vector<std::int32_t>{-35, 241, 7}));
    EXPECT_EQ(file.header.lCount, 3);
    EXPECT_EQ(file.header.lFullScale, 5000);
    EXPECT_EQ(file.header.lUpper, 260);

    test::WriteTestFile(dir.File("b.gra"), Image(2, 12));
    EXPECT_EQ(ReadGraFile(dir.File("b.gra"), file), GraReadResult::Invalid);
    EXPECT_EQ(file.samples.size(), 3u);  // untouched
    EXPECT_STREQ(GraReadFailureText(GraReadResult::Invalid),
                 "Data can't be read, or some error in the data.");
    EXPECT_EQ(ReadGraFile(dir.File("none.gra"), file), GraReadResult::CannotOpen);
    EXPECT_STREQ(GraReadFailureText(GraReadResult::CannotOpen), "The file can't be found.");
    EXPECT_EQ(WriteGraFile(dir.File("no/dir.gra"), h, samples), FileWriteResult::CannotCreate);
}

TEST(GraFile, AFileTooLargeForMemoryIsShortOfMemoryAndAHugeClaimIsNeverRead) {
    test::TempDir dir;
    GraHeader h = MakeGraHeader();
    h.lInterval = 100;
    const std::vector<std::int32_t> samples(100000, 5);
    ASSERT_EQ(WriteGraFile(dir.File("a.gra"), h, samples), FileWriteResult::Ok);
    GraFile file;
    file.samples = {9};
    test::FailAllocationsOfAtLeast(samples.size() * sizeof samples[0]);
    const GraReadResult r = ReadGraFile(dir.File("a.gra"), file);
    test::StopFailingAllocations();
    EXPECT_EQ(r, GraReadResult::ShortOfMemory);
    EXPECT_STREQ(GraReadFailureText(r), "Short of memory");
    EXPECT_EQ(file.samples, std::vector<std::int32_t>{9});

    // A sparse file as long as its header claims beyond the limit: refused from the header.
    const std::string huge = dir.File("huge.gra");
    test::WriteTestFile(huge, Image(kGraMaximumCount + 1, 0));
    ASSERT_EQ(TruncateFileTo(huge, kGraHeaderSize + 4ull * (kGraMaximumCount + 1ull)),
              FileWriteResult::Ok);
    EXPECT_EQ(ReadGraFile(huge, file), GraReadResult::Invalid);
}

}  // namespace
}  // namespace klv
