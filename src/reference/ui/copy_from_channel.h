#pragma once

#include "base/operator.h"
#include "base/profile.h"
#include "reference/calibration_store.h"
#include "reference/condition_store.h"

class QWidget;

namespace klv {

// Lets the operator pick another channel and the items to take from it, and copies them into
// target; false when cancelled (target unchanged).
bool CopyFromOtherChannel(ConditionStore& store, const CalibrationStore& cal, ProfileFile& ini,
                          bool oneClickActivate, Operator& op, MeasFileData& target,
                          QWidget* parent);

}  // namespace klv
