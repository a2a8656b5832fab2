#pragma once

#include "measure/ui/check_dialog.h"

class QGridLayout;
class QLabel;

namespace klv {

class CLevelMeter;

// What the sensitivity test and the device check share: a test electrolysis whose potential
// jump only latches the end detection, the two potential readouts, "Detect the end of plating"
// with "Reset", and the polling while open.
class CEndDetectCheck : public CCheckDialog {
    Q_OBJECT
public:
    // The count period of the test electrolysis, and its start flags: no blanking, a jump only
    // latches status bit 1.
    static constexpr std::uint16_t kTestCountPeriodMs = 200;
    static constexpr std::uint8_t kTestStartFlags = 5;

protected:
    CEndDetectCheck(CDeviceProtocol& protocol, CEventSounds& sounds, const char* name,
                    const char* caption, bool withMeter, QWidget* parent);

    // The readouts, the detection row and the level meter, for the subclass's layout.
    QWidget* MakeReadouts();
    QCheckBox* Power() const { return m_power; }
    int StartTestElectrolysis();
    // Switches the current on with the subclass's commands, or stops the electrolysis.
    virtual bool SwitchOn() = 0;
    virtual void SwitchedOff() {}
    void OnPollingNotify(const PollingData& poll) override;
    void BeforeClose() override;

private:
    void TogglePower(bool on);
    void Rearm();

    QCheckBox* m_power = nullptr;
    QLabel* m_levelMv = nullptr;
    QLabel* m_graphMv = nullptr;
    QLabel* m_detected = nullptr;
    QPushButton* m_reset = nullptr;
    CLevelMeter* m_meter = nullptr;
    bool m_withMeter;
};

}  // namespace klv
