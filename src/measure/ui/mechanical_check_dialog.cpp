#include "measure/ui/mechanical_check_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "device/device_protocol.h"
#include "measure/check_readouts.h"
#include "reference/layer_setting_tables.h"

namespace klv {
namespace {

constexpr int kNickelFactorRow = 10;
constexpr int kGasketA = 1;
constexpr int kRangeOneToOne = 2;

float FixedCurrent() {
    return CheckOutputCurrent(kNickelFactorRow, kGasketA, kRangeOneToOne);
}

}  // namespace

CMechanicalCheck::CMechanicalCheck(CDeviceProtocol& protocol, CEventSounds& sounds, QWidget* parent)
    : CEndDetectCheck(protocol, sounds, "CMechanicalCheck", "Device check", false, parent) {
    auto* setting = new QLabel(
        QStringLiteral("Coating  Ni    Gasket  A    Current range  1/1    Sensitivity  1"), this);
    auto* current = new QLabel(QString::fromStdString(FormatCheckCurrent(FixedCurrent())), this);
    current->setObjectName(QStringLiteral("current"));
    m_wNi = new QCheckBox(QStringLiteral("W-Ni"), this);
    m_wNi->setObjectName(QStringLiteral("wNi"));
    connect(m_wNi, &QCheckBox::clicked, this,
            [this](bool on) { Send([&] { return Protocol().SetWNi(on, true) == 1; }); });
    m_cordOpen = new QLabel(QStringLiteral("Anode and cathode cord open"), this);
    m_cordOpen->setObjectName(QStringLiteral("cordOpen"));
    m_cordOpen->setEnabled(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(setting, 0, 0, 1, 3);
    grid->addWidget(m_wNi, 1, 0);
    grid->addWidget(Power(), 2, 0);
    grid->addWidget(current, 2, 1);
    grid->addWidget(MakeReadouts(), 3, 0, 1, 3);
    grid->addWidget(m_cordOpen, 4, 0, 1, 2);
    grid->addWidget(MakeCloseButton(), 5, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

bool CMechanicalCheck::SwitchOn() {
    const bool wNi = m_wNi->isChecked();
    return Send(
        [&] {
            return Protocol().SetWNi(wNi, true) == 1 &&
                   Protocol().SetOutputCurrent(FixedCurrent(), 0.0f, false, false, false, 0,
                                               true) == 1 &&
                   Protocol().SetSensitivity(GetEffectiveSensitivity(kSensitivityAutomatic, 0),
                                             true) == 1 &&
                   Protocol().SetBalance(!wNi, true) == 1 && StartTestElectrolysis() == 1;
        },
        true);
}

void CMechanicalCheck::SwitchedOff() {
    const bool wNi = m_wNi->isChecked();
    Send([&] { return Protocol().SetWNi(wNi, true) == 1; });
}

void CMechanicalCheck::OnPollingNotify(const PollingData& poll) {
    CEndDetectCheck::OnPollingNotify(poll);
    m_cordOpen->setEnabled((poll.status.bPortC() & kPortCProbe) == 0);
    if (Power()->isChecked() && !poll.status.IsRunning() && !poll.lCommFailed) {
        if (!Send([this] { return StartTestElectrolysis() == 1; }, true))
            Power()->setChecked(false);
    }
}

}  // namespace klv
