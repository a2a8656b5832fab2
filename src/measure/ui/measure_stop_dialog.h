#pragma once

#include "measure/run_dialogs.h"
#include "measure/ui/radio_choice_dialog.h"

namespace klv {

// "Stop measurement" (dialog 561): what becomes of a layer the operator stopped, whose value
// it shows. Returns the id of the chosen radio button, 5020 to 5023; it can't be closed
// without a choice.
class CMeasureStop final : public CRadioChoiceDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = kIdMeasureStopDialog;
    CMeasureStop(float valueInUnit, const MeasFileData& d, int k, QWidget* parent = nullptr);
};

}  // namespace klv
