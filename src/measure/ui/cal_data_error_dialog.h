#pragma once

#include "measure/ui/radio_choice_dialog.h"

namespace klv {

inline constexpr int kIdCalDataErrorDialog = 564;
inline constexpr int kCalReplaceGasket = 5200;
inline constexpr int kCalChangeCondition = 5201;
inline constexpr int kCalCancelThisTime = 5202;

// "Bad calibration" (dialog 564): a standard measured outside the guaranteed correction.
class CCalDataError final : public CRadioChoiceDialog {
    Q_OBJECT
public:
    explicit CCalDataError(QWidget* parent = nullptr);
};

}  // namespace klv
