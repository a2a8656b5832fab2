#include "records/record_builder.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/charset.h"
#include "records/results_query.h"
#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

TEST(RecordBuilderTest, StoredTextsBecomeUtf8UpToTheirEnd) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"Lot 7", "Lot 7"},
        {"M\xFCller", "M\xC3\xBCller"},
        {"\x80 5", "\xE2\x82\xAC 5"},
        {"\x9F", "\xC5\xB8"},
        // Bytes the code page leaves undefined are no character of their own.
        {"\x81\x9D", "??"},
        {std::string_view("a\0b", 3), "a"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(RecordTextToUtf8(in), out) << in;
    // The program's charset, as its windows show the same bytes.
    // A charset the converter does not know is refused and changes nothing.
    EXPECT_FALSE(Charset("NO-SUCH-CHARSET").IsUsable());
    EXPECT_FALSE(SetProgramCharset("NO-SUCH-CHARSET"));
    EXPECT_EQ(ProgramCharset().Name(), Charset::kDefaultName);
    ASSERT_TRUE(SetProgramCharset("ISO-8859-15"));
    EXPECT_EQ(RecordTextToUtf8("\xA4"), "\xE2\x82\xAC");
    ASSERT_TRUE(SetProgramCharset(Charset::kDefaultName));
    EXPECT_EQ(RecordTextToUtf8("\xA4"), "\xC2\xA4");
}

TEST(RecordBuilderTest, VerdictsOnlyWithTheLimitCheckAndNeverOfAnUnknownTotal) {
    MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatTin, "Sn"),
                                      test::AlloyLayer(), test::Layer(kCoatCopper, "Cu")});
    for (LayerLimits& l : d.limits) {
        l.fLowerLimit = 50;
        l.fUpperLimit = 100;
    }
    const MsrLogRecord records[] = {test::Measured(1.0f), test::Measured(2.0f), test::NoValue(),
                                    test::Measured(3.0f)};
    const MeasurementRecord off = BuildMeasurementRecord(d, 0, 1, records, nullptr, nullptr);
    ASSERT_EQ(off.layers.size(), 4u);
    for (const RecordedLayer& l : off.layers)
        EXPECT_EQ(l.verdict, "") << l.coating;
    EXPECT_FALSE(off.condition.layers[0].upper);

    d.bStatFlags = kStatLimitCheckOn;
    const MeasurementRecord on = BuildMeasurementRecord(d, 0, 1, records, nullptr, nullptr);
    EXPECT_EQ(on.layers[0].verdict, "below");
    EXPECT_EQ(on.condition.layers[0].upper, 100.0);
    EXPECT_EQ(on.condition.layers[0].lower, 50.0);
    EXPECT_TRUE(on.layers[2].noValue);
    EXPECT_FALSE(on.layers[0].noValue);
    // Tin and copper each hold a share of the alloy, which has no value.
    EXPECT_EQ(on.layers[1].verdict, "");
    EXPECT_EQ(on.layers[3].verdict, "");
    EXPECT_EQ(on.layers[1].micrometres, 2.0);
}

TEST(ResultsTableTest, RowsAreWrittenInEachFormatWithTheirSpecialCharacters) {
    const ResultsTable table{{"lot", "value_um", "verdict"},
                             {{std::string("A \"1\", B"), 2.5, DbValue{}},
                              {std::string("tab\there"), std::int64_t{3}, std::string("above")}}};
    const std::pair<ResultsFormat, std::string> cases[] = {
        {ResultsFormat::Tsv, "lot\tvalue_um\tverdict\nA \"1\", B\t2.5\t\ntab here\t3\tabove\n"},
        {ResultsFormat::Csv, "lot,value_um,verdict\n\"A \"\"1\"\", B\",2.5,\ntab\there,3,above\n"},
        {ResultsFormat::Json,
         "[\n  {\"lot\": \"A \\\"1\\\", B\", \"value_um\": 2.5, \"verdict\": null},\n"
         "  {\"lot\": \"tab\\u0009here\", \"value_um\": 3, \"verdict\": \"above\"}\n]\n"},
    };
    for (const auto& [format, expected] : cases) {
        std::ostringstream out;
        WriteResultsTable(out, table, format);
        EXPECT_EQ(out.str(), expected);
    }
    std::ostringstream empty;
    WriteResultsTable(empty, {{"lot"}, {}}, ResultsFormat::Json);
    EXPECT_EQ(empty.str(), "[]\n");
}

}  // namespace
}  // namespace klv
