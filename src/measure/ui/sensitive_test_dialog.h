#pragma once

#include "measure/ui/end_detect_check.h"

namespace klv {

class CCheckSettingGroups;

// "Sensitivity test": a test electrolysis at a chosen coating current and sensitivity, to see
// whether a potential jump is detected.
class CSensitiveTest final : public CEndDetectCheck {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 445;

    CSensitiveTest(CDeviceProtocol& protocol, CEventSounds& sounds, QWidget* parent = nullptr);

private:
    bool SwitchOn() override;
    bool SendSetting();
    void SettingChanged();

    CCheckSettingGroups* m_settings = nullptr;
    QLabel* m_current = nullptr;
};

}  // namespace klv
