#pragma once

#include "measure/ui/radio_choice_dialog.h"

namespace klv {

inline constexpr int kIdCalDataErrorDialog = 564;
inline constexpr int kCalReplaceGasket = 5200;
inline constexpr int kCalChangeCondition = 5201;
inline constexpr int kCalCancelThisTime = 5202;

// "Bad calibration" (dialog 564): a standard measured outside the guaranteed correction. The
// texts are the measured sum and the standard with their unit, and the deviation.
class CCalDataError final : public CRadioChoiceDialog {
    Q_OBJECT
public:
    CCalDataError(const QString& measured, const QString& standard, const QString& deviation,
                  QWidget* parent = nullptr);
};

}  // namespace klv
