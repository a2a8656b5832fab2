#include "output/meas_data_text.h"

#include <gtest/gtest.h>

#include "output/sample_line.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Measured;

TEST(MeasDataText, EveryLineEndsWithCrLfAndUnstoredMeasurementsAreNamed) {
    const MeasFileData d =
        test::Condition({test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu")});
    const MsrLogRecord never{};
    const MsrLogRecord records[] = {Measured(1.5f), Measured(2.5f), never,         never,
                                    Measured(3.5f), never,          Measured(4.5f)};
    std::vector<std::uint32_t> neverStored;
    const LineFormat f{kItemDataNumber | kItemMeasValue, 1, 0, false};
    EXPECT_EQ(FormatMeasDataText(d, records, 5, f, neverStored),
              "5,1.5,2.5\r\n7,3.5,0\r\n8,4.5\r\n");
    EXPECT_EQ(neverStored, std::vector<std::uint32_t>{6});
}

TEST(MeasDataText, TheSampleLineIsDataNumber123OfTheLastDayOf2005) {
    const MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni")});
    const std::string line =
        FormatSampleLine(d, {kItemDataNumber | kItemMeasDate | kItemMeasValue, 0, 0, false});
    EXPECT_EQ(line.rfind(" 123 2005/12/31 ", 0), 0u) << line;
}

}  // namespace
}  // namespace klv
