#pragma once

#include <functional>

#include "base/operator.h"
#include "base/profile.h"
#include "base/sound_player.h"
#include "reference/calibration_store.h"
#include "reference/condition_store.h"

class QWidget;

namespace klv {

class ReportPrinter;

// What the condition dialogs need of the program around them.
struct ConditionEditContext {
    ConditionStore& store;
    const CalibrationStore& calibration;
    ProfileFile& ini;
    Operator& op;
    SoundPlayer& sounds;
    bool oneClickActivate = false;
    // The output current confirmation of the maintenance dialogs (current in mA, the layer);
    // empty while the program has none, which disables the buttons that open it.
    std::function<void(float currentMa, const MeasFileData& d, int layer, QWidget* parent)>
        confirmOutputCurrent;
    // Where "Print out" prints the condition; none disables it.
    ReportPrinter* reports = nullptr;
};

}  // namespace klv
