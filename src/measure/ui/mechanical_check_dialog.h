#pragma once

#include "measure/ui/end_detect_check.h"

namespace klv {

// "Device check": the whole system at a fixed setting (Ni, gasket A, range 1/1, sensitivity 1),
// with the W-Ni switch and the cord check; a stopped electrolysis is started again.
class CMechanicalCheck final : public CEndDetectCheck {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 446;

    CMechanicalCheck(CDeviceProtocol& protocol, CEventSounds& sounds, QWidget* parent = nullptr);

private:
    bool SwitchOn() override;
    void SwitchedOff() override;
    void OnPollingNotify(const PollingData& poll) override;

    QCheckBox* m_wNi = nullptr;
    QLabel* m_cordOpen = nullptr;
};

}  // namespace klv
