#include "reference/calibration_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "base/file_io.h"
#include "support/damaged_files.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

std::string Image(const CalibrationStore& s) {
    return std::string(reinterpret_cast<const char*>(&s), sizeof s);
}

TEST(CalibrationStoreDefaults, EveryGasketHoldsANewConditionWithItsCode) {
    CalibrationStore s = DefaultCalibrationStore();
    EXPECT_EQ(s.dwFlags, 0u);
    for (int g = 0; g < kGasketRecordCount; ++g) {
        SCOPED_TRACE(g);
        std::string bytes = Image(s).substr(136 + 280 * g, 280);
        EXPECT_EQ(static_cast<unsigned char>(bytes[170]), g);
        EXPECT_EQ(static_cast<unsigned char>(bytes[169]), 1);  // unit
        float sn;
        float cu;
        std::memcpy(&sn, bytes.data() + 216, 4);
        std::memcpy(&cu, bytes.data() + 220, 4);
        EXPECT_FLOAT_EQ(sn, 0.25f);
        EXPECT_FLOAT_EQ(cu, 0.323f);
        EXPECT_EQ(s.gasket[g].bCalFlags, 0);
    }
}

TEST(CalibrationStoreCopy, ConditionPartRoundTripsAndLeavesTheRestAlone) {
    MeasFileData d = NewMeasFileData();
    d.coat[0].bCode = 16;
    d.bGasket = 2;
    d.fWtCoef = 1.5f;
    d.nItemCt = 12;
    CalibrationCondition c = ToCalibrationCondition(d);
    EXPECT_EQ(c.coat[0].bCode, 16);
    EXPECT_EQ(c.bGasket, 2);
    MeasFileData other = NewMeasFileData();
    other.nItemCt = 3;
    ApplyCalibrationCondition(c, other);
    EXPECT_EQ(other.coat[0].bCode, 16);
    EXPECT_FLOAT_EQ(other.fWtCoef, 1.5f);
    EXPECT_EQ(other.nItemCt, 3u);
}

TEST(CalibrationStoreLoad, MissingFileIsCreatedAndFlagsWaitForTheNextStart) {
    test::TempDir dir;
    test::ScriptedOperator op;
    std::string path = dir.File("KLV570.dat");
    CalibrationStore s;
    EXPECT_EQ(LoadCalibrationStore(path, s, op), CalibrationLoadResult::Created);
    EXPECT_EQ(FileSize(path), 1536);
    EXPECT_EQ(test::ReadTestFile(path), Image(DefaultCalibrationStore()));
    EXPECT_EQ(s.dwFlags, 0u);

    EXPECT_EQ(LoadCalibrationStore(path, s, op), CalibrationLoadResult::Loaded);
    EXPECT_EQ(s.dwFlags, 0x500u);
    EXPECT_TRUE(op.Messages().empty());

    // The ends of the guaranteed range are values a calibration stores.
    s.gasket[1].fCalValue = 19.0f;
    s.gasket[2].fCalValue = -19.0f;
    ASSERT_TRUE(WriteCalibrationStore(path, s, op));
    EXPECT_EQ(LoadCalibrationStore(path, s, op), CalibrationLoadResult::Loaded);
    EXPECT_EQ(s.gasket[2].fCalValue, -19.0f);
}

TEST(CalibrationStoreLoad, ShortLongAndGarbageFilesGiveDefaultsAndTheMessage) {
    test::TempDir dir;
    test::ScriptedOperator op;
    std::string path = dir.File("KLV570.dat");
    std::string good = Image(DefaultCalibrationStore());
    CalibrationStore nan = DefaultCalibrationStore();
    nan.gasket[2].fCalValue = std::nanf("");
    CalibrationStore badCode = DefaultCalibrationStore();
    badCode.gasket[1].condition.coat[0].bCode = 200;
    // A value no calibration stores would correct every current of the gasket by it.
    CalibrationStore beyondRange = DefaultCalibrationStore();
    beyondRange.gasket[1].bCalFlags = kGasketHasCalibration;
    beyondRange.gasket[1].fCalValue = 19.01f;
    CalibrationStore belowRange = DefaultCalibrationStore();
    belowRange.gasket[3].fCalValue = -100.0f;
    std::mt19937 rng(1536);
    std::string random(1536, '\0');
    for (char& b : random)
        b = static_cast<char>(rng());
    for (const std::string& bytes : {good.substr(0, 1535), good + '\0', Image(nan), Image(badCode),
                                     Image(beyondRange), Image(belowRange), random}) {
        op.Clear();
        test::WriteTestFile(path, bytes);
        CalibrationStore s;
        s.dwFlags = 7;
        EXPECT_EQ(LoadCalibrationStore(path, s, op), CalibrationLoadResult::ReadFailed);
        EXPECT_EQ(Image(s), good);
        EXPECT_EQ(op.Texts(),
                  std::vector<std::string>{"Data can't be read, or some error in the data."});
        EXPECT_EQ(op.Messages()[0].icon, MsgIcon::Stop);
        EXPECT_EQ(test::ReadTestFile(path), bytes);  // the file is kept for inspection
    }
}

TEST(CalibrationStoreLoad, WhatIsNotAFileIsRefusedAndLeftAsItIs) {
    test::ForEachNonRegularFile("KLV570.dat", [](const std::string& path) {
        test::ScriptedOperator op;
        CalibrationStore s;
        EXPECT_EQ(LoadCalibrationStore(path, s, op), CalibrationLoadResult::ReadFailed);
        EXPECT_EQ(op.Texts(),
                  std::vector<std::string>{"Data can't be read, or some error in the data."});
    });
}

TEST(CalibrationStoreLoad, UncreatableFileIsReported) {
    test::TempDir dir;
    test::ScriptedOperator op;
    CalibrationStore s;
    EXPECT_EQ(LoadCalibrationStore(dir.File("no/KLV570.dat"), s, op),
              CalibrationLoadResult::CreateFailed);
    EXPECT_EQ(op.Texts(), std::vector<std::string>{"The file can't be made."});
}

TEST(CalibrationStoreWrite, ReplacesTheWholeImage) {
    test::TempDir dir;
    test::ScriptedOperator op;
    std::string path = dir.File("KLV570.dat");
    test::WriteTestFile(path, std::string(2000, 'x'));
    CalibrationStore s = DefaultCalibrationStore();
    s.gasket[1].bCalFlags = kGasketHasCalibration;
    s.gasket[1].fCalValue = -1.25f;
    ASSERT_TRUE(WriteCalibrationStore(path, s, op));
    EXPECT_EQ(test::ReadTestFile(path), Image(s));
    EXPECT_FALSE(WriteCalibrationStore(dir.File("no/KLV570.dat"), s, op));
    EXPECT_EQ(op.Texts(), std::vector<std::string>{"The file can't be made."});
}

}  // namespace
}  // namespace klv
