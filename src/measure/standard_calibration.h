#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

// From this deviation on a gasket should be replaced.
inline constexpr float kGasketWornPercent = 15.0f;

inline constexpr char kMsgGasketWorn[] =
    "Gasket is worn out.\n\nRecommend to replace gasket from next measurement.";

// Percent by which the measured thickness exceeds the standard.
float CalibrationDeviation(float measuredUm, float standardUm);
bool IsWithinGuarantee(float deviation);
bool IsGasketWorn(float calibrationValue);
// Mean of the accepted values; 0 for none.
float AverageCalibration(std::span<const float> values);

enum class CalibrationStep {
    NextLayer,   // more layers of the standard follow
    Accepted,    // the deviation is within the guarantee
    OutOfRange,  // discarded: "Bad calibration"
};

// One standard measured layer by layer: the layer values add up until the last layer, whose
// sum is compared with the standard thickness.
class CCalibrationRun {
public:
    int Layer() const { return m_layer; }
    float Sum() const { return m_sum; }
    float Deviation() const { return m_deviation; }

    // Before a layer starts: the first layer begins a new sum.
    void BeginLayer();
    // A stopped or invalid layer: the standard starts again from its first layer.
    void Restart() { m_layer = 0; }
    // `value` in the condition's unit; an alloy layer counts with its tin share.
    CalibrationStep AddLayerValue(const MeasFileData& d, float value, float standardUm);

private:
    int m_layer = 0;
    float m_sum = 0;
    float m_deviation = 0;
};

// The calibration condition a dialog starts from: the gasket's record, or defaults.
GasketCalibrationRecord OpeningRecord(const CalibrationStore& store, const MeasFileData* current);
// Stores an accepted calibration into the gasket of the record's condition.
void StoreCalibration(CalibrationStore& store, GasketCalibrationRecord record, float value,
                      std::uint16_t packedDate);

// Guess value input: a number from −19 to 19.
std::optional<float> ParseGuessValue(std::string_view text);
// The gaskets the guess calibration offers: every one but the WT gasket.
bool IsGuessGasket(int code);

}  // namespace klv
