#include "measure/ui/current_check_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "device/device_protocol.h"
#include "measure/ui/check_setting_groups.h"

namespace klv {

CCurrentCheck::CCurrentCheck(CDeviceProtocol& protocol, CEventSounds& sounds,
                             const CurrentCalibration* workingCopy, QWidget* parent)
    : CCheckDialog(protocol, sounds, "CCurrentCheck", "Constant current check", parent) {
    if (workingCopy != nullptr) {
        protocol.SetCalibrationOverride(workingCopy);
        m_override = true;
    }
    m_settings = new CCheckSettingGroups(static_cast<int>(kCheckCoatingRows.size()), false, this);
    m_current = new QLabel(this);
    m_current->setObjectName(QStringLiteral("current"));
    m_power = MakePowerBox([this](bool) { Apply(); });
    connect(m_settings, &CCheckSettingGroups::changed, this, &CCurrentCheck::Apply);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_settings, 0, 0, 1, 3);
    grid->addWidget(m_power, 1, 0);
    grid->addWidget(m_current, 1, 1);
    grid->addWidget(MakeCloseButton(), 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_current->setText(QString::fromStdString(FormatCheckCurrent(m_settings->Current())));
}

CCurrentCheck::~CCurrentCheck() {
    if (m_override)
        Protocol().SetCalibrationOverride(nullptr);
}

void CCurrentCheck::Apply() {
    const float mA = m_settings->Current();
    m_current->setText(QString::fromStdString(FormatCheckCurrent(mA)));
    if (!m_power->isChecked()) {
        OutputsOff();
        return;
    }
    if (!Send([&] {
            return Protocol().SetOutputCurrent(mA, 0.0f, false, false, false, 0, true) == 1;
        }))
        m_power->setChecked(false);
}

}  // namespace klv
