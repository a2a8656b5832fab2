#include "measure/additional_electrolysis.h"

#include <gtest/gtest.h>

#include "base/check_messages.h"
#include "measure/meas_run.h"
#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

TEST(AddElectrolysis, TheCountOrTheBlankingSecondsAreChecked) {
    struct Case {
        bool byCount;
        const char* count;
        bool blanking;
        const char* seconds;
        AddElectrolysisField field;
        std::uint32_t saturation;
        std::uint8_t blankingSeconds;
    };
    const Case cases[] = {
        {true, "0", true, "x", AddElectrolysisField::Count, 0, 0},
        {true, "1000", true, "5", AddElectrolysisField::Count, 0, 0},
        {true, "2.5", true, "5", AddElectrolysisField::Count, 0, 0},
        {true, "999", true, "x", AddElectrolysisField::None, 999, 0},
        {false, "x", true, "41", AddElectrolysisField::Seconds, 0, 0},
        {false, "x", true, "-1", AddElectrolysisField::Seconds, 0, 0},
        {false, "x", true, "40", AddElectrolysisField::None, 0, 40},
        {false, "x", false, "x", AddElectrolysisField::None, 0, 0},
    };
    for (const Case& c : cases) {
        const AddElectrolysisCheck r =
            CheckAddElectrolysis(c.byCount, c.count, c.blanking, c.seconds);
        EXPECT_EQ(r.field, c.field) << c.count << " " << c.seconds;
        EXPECT_EQ(r.run.has_value(), c.field == AddElectrolysisField::None);
        if (c.field == AddElectrolysisField::Count) {
            EXPECT_EQ(r.message, RangeMessage(1, 999));
        } else if (c.field == AddElectrolysisField::Seconds) {
            EXPECT_EQ(r.message, RangeMessage(0, 40));
        } else {
            EXPECT_EQ(r.run->saturationCount, c.saturation);
            EXPECT_EQ(r.run->blankingSeconds, c.blankingSeconds);
            EXPECT_EQ(r.run->balance, !c.byCount) << "waiting for the jump needs the balance";
        }
    }
}

TEST(AddElectrolysis, CountsAddStepsOfTheLastDigitAndTheWtCoefficient) {
    // Nickel in µm on range 1/1: a tenth per count.
    MeasFileData d =
        test::Condition({test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu")});
    int mode = 0;
    EXPECT_FLOAT_EQ(AddedLayerValue(d, 0, 2.0f, 3, mode), 2.3f);
    EXPECT_EQ(mode, 0);
    d.bGasket = kGasketWT;
    d.bWtFlags |= kWtCoefValid;
    d.fWtCoef = 2.0f;
    EXPECT_FLOAT_EQ(AddedLayerValue(d, 0, 2.0f, 3, mode), 2.6f);
    EXPECT_EQ(mode, kDisplayModeWtApplied);
    d.coat[0].bRange = 0;  // no count period: nothing to add
    EXPECT_FLOAT_EQ(AddedLayerValue(d, 0, 2.0f, 3, mode), 2.0f);
}

}  // namespace
}  // namespace klv
