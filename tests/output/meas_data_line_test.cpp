#include "output/meas_data_line.h"

#include <gtest/gtest.h>

#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;
using test::Measured;

const std::uint16_t kMay2 = PackDate(2021, 5, 2);
const std::uint16_t kDec31 = PackDate(2005, 12, 31);

MeasFileData TwoLayers() {
    MeasFileData d = Condition(
        {Layer(kCoatNickel, "Ni", test::kRange4_10), Layer(kCoatCopper, "Cu", test::kRange4_10)});
    return d;
}

TEST(MeasDataLine, NumberDateAndValuesWithCommas) {
    const MsrLogRecord r[] = {Measured(3.51f, kMay2), Measured(0.82f, kMay2)};
    EXPECT_EQ(FormatMeasDataLine(TwoLayers(), r, 12,
                                 kItemDataNumber | kItemMeasDate | kItemMeasValue, 1, 0, false),
              "12,2021/05/02,3.51,0.82");
}

TEST(MeasDataLine, NamesAloneHaveNoTrailingDelimiter) {
    const MsrLogRecord r[] = {Measured(3.51f), Measured(0.82f)};
    EXPECT_EQ(FormatMeasDataLine(TwoLayers(), r, 1, kItemCoatingName, 0, 0, false), "Ni\tCu");
    EXPECT_EQ(FormatMeasDataLine(TwoLayers(), r, 1, kItemCoatingName, 2, 0, false), "Ni Cu");
    EXPECT_EQ(FormatMeasDataLine(TwoLayers(), r, 1, kItemCoatingName, 9, 0, false), "Ni\tCu");
}

TEST(MeasDataLine, ControlCharactersOfANameNeverReachTheLine) {
    MeasFileData d = TwoLayers();
    SetFixedText(d.coat[0].Name, "N\r\ni");
    SetFixedText(d.coat[1].Name, "C\tu\x7F");
    const MsrLogRecord r[] = {Measured(3.51f), Measured(0.82f)};
    EXPECT_EQ(FormatMeasDataLine(d, r, 1, kItemCoatingName | kItemMeasValue, 1, 0, false),
              "Ni,3.51,Cu,0.82");
}

TEST(MeasDataLine, NoValueGivesZeroAndUnitsFollowTheValues) {
    MeasFileData d = TwoLayers();
    const MsrLogRecord r[] = {Measured(3.51f), test::NoValue()};
    EXPECT_EQ(FormatMeasDataLine(d, r, 1, kItemMeasValue | kItemUnit, 1, 0, false), "3.51,um,0,um");
    EXPECT_EQ(FormatMeasDataLine(d, r, 1, kItemMeasValue, 1, 0, true), "3.51um,0um");
}

TEST(MeasDataLine, AlloyLayersAreSkippedEverywhere) {
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    const MsrLogRecord r[] = {Measured(2.0f), Measured(1.0f), Measured(3.0f)};
    EXPECT_EQ(FormatMeasDataLine(d, r, 7, kItemCoatingCount | kItemCoatingName | kItemMeasValue, 1,
                                 0, false),
              "2,Sn,2.0,Cu,3.0");
}

TEST(MeasDataLine, ValuesInTheUnitAndWtGasket) {
    MeasFileData d = TwoLayers();
    d.bUnit = kUnitMil;
    d.coat[0].bRange = d.coat[1].bRange = test::kRange2_1;
    const MsrLogRecord r[] = {Measured(313.4360046386719f), Measured(25.4f)};
    EXPECT_EQ(FormatMeasDataLine(d, r, 1, kItemMeasValue, 0, 0, false), "12.34\t1.00");
    d.bGasket = kGasketWT;
    EXPECT_EQ(FormatMeasDataLine(d, r, 1, kItemMeasValue, 0, 0, false), "12.340\t1.0000");
}

TEST(MeasDataLine, DateFormats) {
    EXPECT_EQ(FormatOutputDate(kDec31, 0), "2005/12/31");
    EXPECT_EQ(FormatOutputDate(kDec31, 1), "12/31/2005");
    EXPECT_EQ(FormatOutputDate(kDec31, 2), "31/12/2005");
    EXPECT_EQ(FormatOutputDate(kDec31, 3), "12/2005/31");
    EXPECT_EQ(FormatOutputDate(kDec31, 4), "31/2005/12");
    EXPECT_EQ(FormatOutputDate(kDec31, 5), "2005/31/12");
    EXPECT_EQ(FormatOutputDate(0, 1), "00/00/0000");
    EXPECT_EQ(FormatOutputDate(kDec31, 6), "");
}

TEST(MeasDataLine, DateFormatBeyondTheTableKeepsItsDelimiter) {
    const MsrLogRecord r[] = {Measured(3.51f, kDec31), Measured(0.82f, kDec31)};
    EXPECT_EQ(FormatMeasDataLine(TwoLayers(), r, 5,
                                 kItemDataNumber | kItemMeasDate | kItemMeasValue, 1, 6, false),
              "5,,3.51,0.82");
    EXPECT_EQ(FormatMeasDataLine(TwoLayers(), r, 5, 0, 1, 0, false), "");
}

}  // namespace
}  // namespace klv
