#include "measure/ui/confirm_current_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "device/device_protocol.h"

namespace klv {

CConfirmCurrent::CConfirmCurrent(CDeviceProtocol& protocol, CEventSounds& sounds, float currentMa,
                                 bool reverse, QWidget* parent)
    : CCheckDialog(protocol, sounds, "CConfirmCurrent", "Confirmation of the output current",
                   parent),
      m_currentMa(currentMa),
      m_reverse(reverse) {
    auto* text = new QLabel(
        QStringLiteral("Connect a meter to anode  amd cathode cord and hit \n\n START"), this);
    m_start = new QPushButton(QStringLiteral("START"), this);
    m_start->setObjectName(QStringLiteral("start"));
    connect(m_start, &QPushButton::clicked, this, &CConfirmCurrent::Start);
    m_close = MakeCloseButton();
    auto* grid = new QGridLayout(this);
    grid->addWidget(text, 0, 0, 1, 2);
    grid->addWidget(m_start, 1, 0);
    grid->addWidget(m_close, 1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

bool CConfirmCurrent::Prepare() {
    return Send([this] { return Protocol().SetReverse(m_reverse, true) == 1; });
}

void CConfirmCurrent::Start() {
    if (!Send([this] {
            return Protocol().SetOutputCurrent(m_currentMa, 0.0f, m_reverse, false, false, 0,
                                               true) == 1;
        }))
        return;
    m_start->setEnabled(false);
    m_close->setFocus();
}

void ConfirmOutputCurrent(CDeviceProtocol& protocol, CEventSounds& sounds, float currentMa,
                          bool reverse, QWidget* parent) {
    CConfirmCurrent dialog(protocol, sounds, currentMa, reverse, parent);
    if (dialog.Prepare())
        dialog.exec();
}

}  // namespace klv
