#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "measure/gra_file.h"
#include "support/temp_dir.h"
#include "tool_process.h"

namespace klv {
namespace {

TEST(ToolGraph, HeaderFieldsThenSamplesAndInvalidFilesRefused) {
    test::TempDir dir;
    GraHeader h = MakeGraHeader();
    h.lLayer = 1;
    h.lInterval = 100;
    h.lMaximum = 241;
    h.lMinimum = -35;
    h.lDisplayMode = 3;
    h.lFullScale = 5000;
    h.lTimePerPixel = 400;
    h.lLower = -40;
    h.lUpper = 260;
    const std::int32_t samples[] = {-35, 241};
    ASSERT_EQ(WriteGraFile(dir.File("a.gra"), h, samples), FileWriteResult::Ok);
    test::ToolProcessResult r = test::RunToolProcess(
        dir, "--data-dir '" + dir.Path() + "' graph '" + dir.File("a.gra") + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "layer\t1\ncount\t2\ninterval\t100\nmaximum\t241\nminimum\t-35\ndisplay-mode\t3\n"
              "full-scale\t5000\ntime-per-pixel\t400\nlower\t-40\nupper\t260\n-35\n241\n");

    std::string bytes = test::ReadTestFile(dir.File("a.gra"));
    test::WriteTestFile(dir.File("long.gra"), bytes + "x");
    r = test::RunToolProcess(dir, "graph '" + dir.File("long.gra") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Data can't be read, or some error in the data.\n");
    EXPECT_TRUE(r.out.empty());
    r = test::RunToolProcess(dir, "graph '" + dir.File("none.gra") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The file can't be found.\n");
    EXPECT_EQ(test::RunToolProcess(dir, "graph").status, 2);
}

}  // namespace
}  // namespace klv
