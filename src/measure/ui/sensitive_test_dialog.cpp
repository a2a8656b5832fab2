#include "measure/ui/sensitive_test_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "device/device_protocol.h"
#include "measure/ui/check_setting_groups.h"
#include "reference/layer_setting_tables.h"

namespace klv {
namespace {

// The sensitivity test has room for the first twelve coating buttons.
constexpr int kSensitivityCoatings = 12;

}  // namespace

CSensitiveTest::CSensitiveTest(CDeviceProtocol& protocol, CEventSounds& sounds, QWidget* parent)
    : CEndDetectCheck(protocol, sounds, "CSensitiveTest", "Sensitivity test", true, parent) {
    m_settings = new CCheckSettingGroups(kSensitivityCoatings, true, this);
    m_current = new QLabel(QString::fromStdString(FormatCheckCurrent(m_settings->Current())), this);
    m_current->setObjectName(QStringLiteral("current"));
    connect(m_settings, &CCheckSettingGroups::changed, this, &CSensitiveTest::SettingChanged);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_settings, 0, 0, 1, 3);
    grid->addWidget(Power(), 1, 0);
    grid->addWidget(m_current, 1, 1);
    grid->addWidget(MakeReadouts(), 2, 0, 1, 3);
    grid->addWidget(MakeCloseButton(), 3, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

bool CSensitiveTest::SendSetting() {
    return Protocol().SetOutputCurrent(m_settings->Current(), 0.0f, false, false, false, 0, true) ==
               1 &&
           Protocol().SetSensitivity(GetEffectiveSensitivity(m_settings->Sensitivity(), 0), true) ==
               1;
}

bool CSensitiveTest::SwitchOn() {
    return Send(
        [this] {
            return SendSetting() && Protocol().SetBalance(true, true) == 1 &&
                   StartTestElectrolysis() == 1;
        },
        true);
}

void CSensitiveTest::SettingChanged() {
    m_current->setText(QString::fromStdString(FormatCheckCurrent(m_settings->Current())));
    if (!Power()->isChecked()) {
        Protocol().StopMeasurement(false);
        return;
    }
    if (!Send([this] { return SendSetting(); }, true))
        Power()->setChecked(false);
}

}  // namespace klv
