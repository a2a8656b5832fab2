#include "results/synthetic_result.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "results/layer_weight.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;
using test::Measured;

MeasFileData TinAlloyCopper() {
    MeasFileData d =
        Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    d.bStatFlags = kStatLimitCheckOn;
    d.limits[0].fUpperLimit = 2.2f;
    d.limits[0].fLowerLimit = 1.0f;
    d.limits[1].fUpperLimit = 100.0f;  // the alloy layer's limits judge nothing
    d.limits[2].fUpperLimit = 10.0f;
    d.limits[2].fLowerLimit = 3.5f;
    return d;
}

const std::uint16_t kDate = PackDate(2021, 5, 2);
const MsrLogRecord kThree[] = {Measured(2.0f, kDate), Measured(1.2f, kDate), Measured(3.0f, kDate)};

std::string Title(const SyntheticItem& i) {
    return i.szMeasTitle;
}
std::string Value(const SyntheticItem& i) {
    return i.szMeasValue;
}

TEST(SyntheticResult, TinAlloyFormSplitsTinAndCopper) {
    MeasFileData d = TinAlloyCopper();
    SyntheticResult r;
    EditSyntheticResult(d, kThree, r, false);
    EXPECT_EQ(r.nCount, 5);
    EXPECT_EQ(r.wDate, kDate);
    const char* titles[] = {
        "Solid Sn layer    ", "Sn layer of alloy", "Coating thickness value of all Sn",
        "Solid Cu layer    ", "Cu layer of alloy", "Coating thickness value of all Cu"};
    const char* values[] = {"   2.0", "   0.3", "   2.3", "   3.0", "   0.4", "   3.4"};
    const int alloy[] = {0, 0, 1, 0, 0, 2};
    const int valid[] = {1, 0, 0, 1, 0, 0};
    const int marks[] = {0, 0, kLimitAbove, 0, 0, kLimitBelow};
    for (int i = 0; i < kSyntheticItemCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Title(r.item[i]), titles[i]);
        EXPECT_EQ(Value(r.item[i]), values[i]);
        EXPECT_EQ(r.item[i].uIsAlloy, alloy[i]);
        EXPECT_EQ(r.item[i].bValid, valid[i]);
        EXPECT_EQ(r.item[i].nLimitMark, marks[i]);
        EXPECT_STREQ(r.item[i].szUnit, "um");
        EXPECT_STREQ(r.item[i].szAdhesionUnit, "g/m%0");
    }
    EXPECT_STREQ(r.item[2].szLimit, "More than upper limit");
    EXPECT_STREQ(r.item[5].szLimit, "Less than lower limit");
    EXPECT_STREQ(r.item[0].szLimit, "        ");
    EXPECT_EQ(r.item[2].lMeasValue, 2.0f + 1.2f * 0.25f);
    EXPECT_EQ(r.item[5].lMeasValue, 3.0f + 1.2f * 0.323f);
    // Solid tin 2 µm under gasket A: 9.29 x 2 x 7.31 / 1000 = 0.13582 mg, 14.62 g/m².
    EXPECT_STREQ(r.item[0].szWeightValue, "0.1358");
    EXPECT_STREQ(r.item[0].szAdhesionValue, " 14.62");
    EXPECT_STREQ(r.item[0].szWeightTitle, "Dissolved weight");
    EXPECT_STREQ(r.item[0].szAdhesionTitle, "Adhesion amount.");
    EXPECT_STREQ(r.item[0].szWeightUnit, "mg");
}

TEST(SyntheticResult, SolderTitlesAndOnlyTinItemsBeforeTheCopperLayer) {
    MeasFileData d = TinAlloyCopper();
    d.coat[0] = Layer(kCoatSolder, "SO");
    d.bContent = 40;  // solder of 8.52 g/cm³; its parts still weigh as tin, 7.31
    const MsrLogRecord two[] = {Measured(2.0f), Measured(1.2f),
                                MsrLogRecord{0, kRecordNoValue, 0, 0}};
    SyntheticResult r;
    EditSyntheticResult(d, two, r, false);
    EXPECT_EQ(r.nCount, 3);
    EXPECT_EQ(Title(r.item[0]), "Solid SO layer    ");
    EXPECT_EQ(Title(r.item[2]), "Coating thickness value of all SO");
    EXPECT_STREQ(r.item[0].szAdhesionValue, " 14.62");
    EXPECT_STREQ(r.item[1].szAdhesionValue, " 2.193");
    EXPECT_STREQ(r.item[2].szAdhesionValue, "16.813");
    EXPECT_FALSE(IsItemUsed(r.item[3]));
    EXPECT_FALSE(IsItemUsed(r.item[5]));
}

TEST(SyntheticResult, PlainFlagGivesLayerItemsWithAlloyShares) {
    MeasFileData d = TinAlloyCopper();
    SyntheticResult r;
    EditSyntheticResult(d, kThree, r, true);
    EXPECT_EQ(r.nCount, 3);
    EXPECT_EQ(Title(r.item[0]), "Sn    ");
    EXPECT_EQ(Value(r.item[0]), "   2.3");
    EXPECT_FALSE(IsItemUsed(r.item[1]));
    EXPECT_EQ(Title(r.item[2]), "Cu    ");
    EXPECT_EQ(Value(r.item[2]), "   3.4");
    EXPECT_EQ(r.item[0].bValid, 1);
    EXPECT_EQ(r.item[0].uIsAlloy, 0);
    EXPECT_EQ(r.item[0].nLimitMark, kLimitAbove);
    LayerTotal tin = GetLayerTotal(d, kThree, 0, false);
    SyntheticResult alloyForm;
    EditSyntheticResult(d, kThree, alloyForm, false);
    EXPECT_EQ(r.item[0].lMeasValue, alloyForm.item[2].lMeasValue);
    EXPECT_EQ(r.item[0].lMeasValue, tin.total);
}

TEST(SyntheticResult, ALimitItselfIsInside) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    d.bStatFlags = kStatLimitCheckOn;
    d.limits[0].fUpperLimit = 5.0f;
    d.limits[0].fLowerLimit = 2.0f;
    struct Case {
        float micrometres;
        int mark;
        const char* text;
    };
    for (const Case c :
         {Case{5.0f, kLimitInside, "        "}, Case{5.01f, kLimitAbove, "More than upper limit"},
          Case{2.0f, kLimitInside, "        "},
          Case{1.99f, kLimitBelow, "Less than lower limit"}}) {
        const MsrLogRecord one[] = {Measured(c.micrometres)};
        SyntheticResult r;
        EditSyntheticResult(d, one, r, false);
        EXPECT_EQ(r.item[0].nLimitMark, c.mark) << c.micrometres;
        EXPECT_STREQ(r.item[0].szLimit, c.text) << c.micrometres;
    }
}

TEST(SyntheticResult, LimitsUncheckedGiveBlanksAndMarkZero) {
    MeasFileData d = TinAlloyCopper();
    d.bStatFlags = 0;
    for (bool plain : {false, true}) {
        SyntheticResult r;
        EditSyntheticResult(d, kThree, r, plain);
        for (const SyntheticItem& item : r.item) {
            if (!IsItemUsed(item))
                continue;
            EXPECT_STREQ(item.szLimit, "        ");
            EXPECT_EQ(item.nLimitMark, 0);
        }
    }
}

TEST(SyntheticResult, CountStopsAtTheFirstUnmeasuredLayerAndNoValueShowsDashes) {
    MeasFileData d =
        Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu"), Layer(kCoatChrome, "Cr")});
    const MsrLogRecord r3[] = {test::NoValue(kDate), MsrLogRecord{0, kRecordNoValue, 0, 0},
                               Measured(1.0f)};
    SyntheticResult r;
    EditSyntheticResult(d, r3, r, false);
    EXPECT_EQ(r.nCount, 1);
    EXPECT_EQ(Value(r.item[0]), " -----");
    EXPECT_FALSE(IsItemUsed(r.item[1]));
    EXPECT_FALSE(IsItemUsed(r.item[2]));
}

TEST(SyntheticResult, AllTinHasNoValueWhenTheAlloyLayerHasNone) {
    MeasFileData d = TinAlloyCopper();
    const MsrLogRecord two[] = {Measured(2.0f), test::NoValue()};
    SyntheticResult r;
    EditSyntheticResult(d, two, r, false);
    EXPECT_NE(Value(r.item[0]), " -----");
    EXPECT_EQ(Value(r.item[1]), " -----");
    EXPECT_EQ(Value(r.item[2]), " -----");

    // Four layers list each layer with its alloy share: both neighbours of the alloy are unknown,
    // and an unknown figure gets no verdict.
    MeasFileData four = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatTin, "Sn"),
                                   test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    four.bStatFlags = kStatLimitCheckOn;
    for (LayerLimits& l : four.limits) {
        l.fLowerLimit = 50;
        l.fUpperLimit = 100;
    }
    const MsrLogRecord records[] = {Measured(1.0f), Measured(2.0f), test::NoValue(),
                                    Measured(3.0f)};
    EditSyntheticResult(four, records, r, false);
    EXPECT_NE(Value(r.item[0]), " -----");
    EXPECT_EQ(r.item[0].nLimitMark, kLimitBelow);
    for (const int k : {1, 3}) {
        EXPECT_EQ(Value(r.item[k]), " -----") << k;
        EXPECT_EQ(r.item[k].nLimitMark, 0) << k;
    }
}

// Counting statistics takes the numbers without the texts: they must be the shown ones.
TEST(SyntheticValues, AreTheNumbersOfTheFullResult) {
    MeasFileData tin = TinAlloyCopper();
    tin.bUnit = kUnitNanometre;
    MeasFileData plain = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")});
    plain.bUnit = kUnitMil;
    const MsrLogRecord partial[] = {Measured(2.0f), Measured(1.2f), MsrLogRecord{}};
    const MsrLogRecord noValue[] = {Measured(1.25f), test::NoValue()};
    struct Case {
        const MeasFileData* d;
        std::span<const MsrLogRecord> records;
        bool plain;
    };
    const Case cases[] = {{&tin, kThree, false},
                          {&tin, kThree, true},
                          {&tin, partial, false},
                          {&plain, noValue, false},
                          {&plain, {}, false}};
    for (const Case& c : cases) {
        SyntheticResult r;
        SyntheticValues v;
        EditSyntheticResult(*c.d, c.records, r, c.plain);
        EditSyntheticValues(*c.d, c.records, v, c.plain);
        EXPECT_EQ(v.nCount, r.nCount);
        if (c.records.empty()) {
            EXPECT_EQ(r.wDate, 0) << "no record, no date";
        }
        for (int i = 0; i < kSyntheticItemCount; ++i) {
            EXPECT_EQ(v.item[i].bUsed, IsItemUsed(r.item[i])) << i;
            EXPECT_EQ(v.item[i].uIsAlloy, r.item[i].uIsAlloy) << i;
            EXPECT_EQ(v.item[i].lMeasValue, r.item[i].lMeasValue) << i;
        }
    }
    SyntheticValues v;
    EditSyntheticValues(tin, kThree, v, false);
    EXPECT_FLOAT_EQ(v.item[2].lMeasValue, 2300.0f) << "2.0 + 1.2 x 0.25 µm in nm";
}

}  // namespace
}  // namespace klv
