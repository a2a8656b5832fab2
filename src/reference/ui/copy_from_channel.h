#pragma once

#include "base/operator.h"
#include "base/profile.h"
#include "reference/calibration_store.h"
#include "reference/condition_store.h"

class QWidget;

namespace klv {

// Lets the operator pick another channel and the items to take from it, copies them into
// target and returns them (the kCopy... bits); 0 when cancelled (target unchanged).
unsigned CopyFromOtherChannel(ConditionStore& store, const CalibrationStore& cal, ProfileFile& ini,
                              bool oneClickActivate, Operator& op, MeasFileData& target,
                              QWidget* parent);

}  // namespace klv
