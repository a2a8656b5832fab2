#include "measure/ui/pump_check_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "device/device_protocol.h"

namespace klv {

CPumpCheck::CPumpCheck(CDeviceProtocol& protocol, CEventSounds& sounds, QWidget* parent)
    : CCheckDialog(protocol, sounds, "CPumpCheck", "Stirring pump check", parent) {
    m_frequency = new QComboBox(this);
    m_frequency->setObjectName(QStringLiteral("frequency"));
    for (int hz = 1; hz <= 10; ++hz)
        m_frequency->addItem(QStringLiteral("%1 Hz").arg(hz, 2), hz);
    m_on = new QCheckBox(QStringLiteral("ON"), this);
    m_on->setObjectName(QStringLiteral("on"));
    connect(m_on, &QCheckBox::clicked, this, &CPumpCheck::Apply);
    connect(m_frequency, &QComboBox::activated, this, [this] {
        if (m_on->isChecked())
            Apply();
    });
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Frequency of motion"), this), 0, 0);
    grid->addWidget(m_frequency, 0, 1);
    grid->addWidget(m_on, 1, 0);
    grid->addWidget(MakeCloseButton(), 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void CPumpCheck::Apply() {
    if (!m_on->isChecked()) {
        OutputsOff();
        return;
    }
    const auto hz = static_cast<std::uint8_t>(m_frequency->currentData().toInt());
    if (!Send([&] { return Protocol().SetPumpFrequency(hz, true) == 1; }))
        m_on->setChecked(false);
}

}  // namespace klv
