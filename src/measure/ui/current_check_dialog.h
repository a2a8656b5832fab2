#pragma once

#include "measure/ui/check_dialog.h"

class QLabel;

namespace klv {

class CCheckSettingGroups;
struct CurrentCalibration;

// "Constant current check": puts out the current of a coating, gasket and range, to be read on
// a meter. Opened from the current calibration, it tries that dialog's working copy.
class CCurrentCheck final : public CCheckDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 444;

    CCurrentCheck(CDeviceProtocol& protocol, CEventSounds& sounds,
                  const CurrentCalibration* workingCopy = nullptr, QWidget* parent = nullptr);
    ~CCurrentCheck() override;

private:
    void Apply();

    CCheckSettingGroups* m_settings = nullptr;
    QLabel* m_current = nullptr;
    QCheckBox* m_power = nullptr;
    bool m_override = false;
};

}  // namespace klv
