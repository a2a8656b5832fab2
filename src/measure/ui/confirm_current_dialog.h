#pragma once

#include "measure/ui/check_dialog.h"

namespace klv {

// "Confirmation of the output current": puts out a condition's current for a meter.
class CConfirmCurrent final : public CCheckDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 440;

    CConfirmCurrent(CDeviceProtocol& protocol, CEventSounds& sounds, float currentMa, bool reverse,
                    QWidget* parent = nullptr);

    // Sets the direction; false when that failed and the dialog must not be shown.
    bool Prepare();

private:
    void Start();

    float m_currentMa;
    bool m_reverse;
    QPushButton* m_start = nullptr;
    QPushButton* m_close = nullptr;
};

// Opens the confirmation unless setting the direction fails.
void ConfirmOutputCurrent(CDeviceProtocol& protocol, CEventSounds& sounds, float currentMa,
                          bool reverse, QWidget* parent);

}  // namespace klv
