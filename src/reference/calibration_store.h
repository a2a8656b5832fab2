#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/operator.h"
#include "reference/meas_file_data.h"

namespace klv {

// Bytes 80-335 of a MeasFileData: the condition a gasket was calibrated with.
struct CalibrationCondition {
    LayerCondition coat[kMaxLayers];
    std::uint8_t bBaseCode;
    char baseName[7];
    std::uint8_t reserved248;
    std::uint8_t bUnit;
    std::uint8_t bGasket;
    std::uint8_t bContent;
    std::uint8_t bOldBlanking;
    std::uint8_t bWtMode;
    std::uint8_t bWtFlags;
    std::uint8_t reserved255[9];
    float fWtDiameter;
    float fWtSideA;
    float fWtSideB;
    float fWtLength;
    float fWtArea;
    float fWtCoef;
    std::uint8_t reserved288[8];
    float fAlloyCoefSn;
    float fAlloyCoefCu;
    std::uint8_t reserved304[32];
};
inline constexpr std::size_t kCalibrationConditionOffset = 80;
static_assert(sizeof(CalibrationCondition) == 256);
static_assert(offsetof(CalibrationCondition, bGasket) == 170);
static_assert(offsetof(CalibrationCondition, bBaseCode) ==
              offsetof(MeasFileData, bBaseCode) - kCalibrationConditionOffset);
static_assert(offsetof(CalibrationCondition, fWtCoef) ==
              offsetof(MeasFileData, fWtCoef) - kCalibrationConditionOffset);
static_assert(offsetof(CalibrationCondition, fAlloyCoefCu) ==
              offsetof(MeasFileData, fAlloyCoefCu) - kCalibrationConditionOffset);

inline constexpr std::uint8_t kGasketHasCalibration = 0x01;
// The correction is guaranteed within this many percent either way.
inline constexpr float kCalibrationGuarantee = 19.0f;

// One gasket's calibration; 280 bytes of KLV570.dat.
struct GasketCalibrationRecord {
    CalibrationCondition condition;
    std::uint8_t bCalFlags;
    std::uint8_t reserved257[3];
    std::uint16_t wCalDate;
    std::uint8_t reserved262[2];
    float fStandardThickness;  // µm
    float fCalValue;           // percent
    std::uint8_t reserved272[8];
};
static_assert(sizeof(GasketCalibrationRecord) == 280);
static_assert(offsetof(GasketCalibrationRecord, bCalFlags) == 256);
static_assert(offsetof(GasketCalibrationRecord, wCalDate) == 260);
static_assert(offsetof(GasketCalibrationRecord, fStandardThickness) == 264);
static_assert(offsetof(GasketCalibrationRecord, fCalValue) == 268);

inline constexpr std::uint32_t kStoreStatDataModifiable = 0x100;
inline constexpr std::uint32_t kStoreLastDataCancellable = 0x400;
inline constexpr int kGasketRecordCount = 5;

// The whole of KLV570.dat, 1536 bytes, held in memory for the run.
struct CalibrationStore {
    std::uint8_t reserved0[4];
    std::uint32_t dwFlags;
    std::uint8_t reserved8[128];
    GasketCalibrationRecord gasket[kGasketRecordCount];
};
static_assert(sizeof(CalibrationStore) == 1536);
static_assert(offsetof(CalibrationStore, dwFlags) == 4);
static_assert(offsetof(CalibrationStore, gasket) == 136);

// Copy between a condition and the calibration-condition part of a gasket record.
CalibrationCondition ToCalibrationCondition(const MeasFileData& d);
void ApplyCalibrationCondition(const CalibrationCondition& c, MeasFileData& d);

CalibrationStore DefaultCalibrationStore();

enum class CalibrationLoadResult {
    Loaded,        // read; flag bits 0x100 and 0x400 set
    Created,       // file was missing and was created with the defaults
    CreateFailed,  // "The file can't be made."
    WriteFailed,   // "The data can't be input"
    ReadFailed,    // "Data can't be read, or some error in the data."; store holds defaults
};

// Start-up load of KLV570.dat; messages go to the operator with the stop icon.
CalibrationLoadResult LoadCalibrationStore(const std::string& path, CalibrationStore& store,
                                           Operator& op);
// Rewrites KLV570.dat after a calibration; reports failures to the operator.
bool WriteCalibrationStore(const std::string& path, const CalibrationStore& store, Operator& op);

}  // namespace klv
