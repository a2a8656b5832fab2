#pragma once

#include "reference/meas_file_data.h"

namespace klv {

// Dialog 561 "Stop measurement": the id of the chosen radio button.
inline constexpr int kIdMeasureStopDialog = 561;
inline constexpr int kStopKeepData = 5020;
inline constexpr int kStopChangeData = 5021;
inline constexpr int kStopThicker = 5022;
inline constexpr int kStopDiscard = 5023;

// Dialog 560 "Auto stop".
inline constexpr int kIdMeasAutoStopDialog = 560;
inline constexpr int kAutoStopStart = 1;
inline constexpr int kAutoStopCancel = 2;
inline constexpr int kAutoStopStopBuzzer = 5000;

// Dialog 563 "Correction of the measurement value".
inline constexpr int kIdMeasDataModifyDialog = 563;

// The dialogs a poll evaluation asks the operator through.
class RunDialogs {
public:
    virtual ~RunDialogs() = default;
    // One of kStopKeepData ... kStopDiscard, asked about layer k's value in the condition's unit.
    virtual int AskMeasureStop(float valueInUnit, const MeasFileData& d, int k) = 0;
    // kAutoStopStart or kAutoStopCancel; the dialog plays and stops the "AutoStop" sound.
    virtual int AskAutoStop() = 0;
    // The corrected, non-negative value of layer k in the condition's unit.
    virtual float AskCorrectedValue(float valueInUnit, const MeasFileData& d, int k) = 0;
};

}  // namespace klv
