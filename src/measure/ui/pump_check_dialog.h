#pragma once

#include "measure/ui/check_dialog.h"

class QComboBox;

namespace klv {

// "Stirring pump check": runs the pump at a chosen frequency.
class CPumpCheck final : public CCheckDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 443;

    CPumpCheck(CDeviceProtocol& protocol, CEventSounds& sounds, QWidget* parent = nullptr);

private:
    void Apply();

    QComboBox* m_frequency = nullptr;
    QCheckBox* m_on = nullptr;
};

}  // namespace klv
