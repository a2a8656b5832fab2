#include "measure/ui/check_dialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "device/busy_scope.h"
#include "device/device_protocol.h"
#include "device/usb_transport.h"

namespace klv {

CCheckDialog::CCheckDialog(CDeviceProtocol& protocol, CEventSounds& sounds, const char* name,
                           const char* caption, QWidget* parent)
    : QDialog(parent), m_protocol(protocol), m_sounds(sounds), m_pollTarget(this) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(caption));
    // The main window waits; the simulator window must stay usable.
    setWindowModality(Qt::WindowModal);
}

bool CCheckDialog::Send(const std::function<bool()>& commands, bool stopElectrolysisOnFailure) {
    CBusyScope scope(m_protocol.Busy(), !m_protocol.Transport().IsSimulation());
    if (commands())
        return true;
    if (stopElectrolysisOnFailure)
        m_protocol.StopElectrolysis(true, false);
    m_protocol.AllOutputsOff(false);
    return false;
}

void CCheckDialog::OutputsOff() {
    CBusyScope scope(m_protocol.Busy(), !m_protocol.Transport().IsSimulation());
    m_protocol.AllOutputsOff(true);
}

void CCheckDialog::TakePolling() {
    m_previousTarget = m_protocol.SetPollingWindow(&m_pollTarget);
    m_polling = true;
}

QPushButton* CCheckDialog::MakeCloseButton() {
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return close;
}

QCheckBox* CCheckDialog::MakePowerBox(const std::function<void(bool)>& toggled) {
    auto* box = new QCheckBox(QStringLiteral("Turn on electricity"), this);
    box->setObjectName(QStringLiteral("power"));
    connect(box, &QCheckBox::clicked, this, [toggled](bool on) { toggled(on); });
    return box;
}

bool CCheckDialog::event(QEvent* e) {
    if (e->type() == kWindowPollingEvent) {
        if (m_polling && !m_closing) {
            PollingData polled;
            m_protocol.GetPollingData(polled);
            OnPollingNotify(polled);
        }
        return true;
    }
    return QDialog::event(e);
}

void CCheckDialog::keyPressEvent(QKeyEvent* e) {
    // Enter must not end a check while the current flows.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CCheckDialog::done(int result) {
    if (m_closing)
        return;
    m_closing = true;
    BeforeClose();
    CBusyScope scope(m_protocol.Busy(), !m_protocol.Transport().IsSimulation());
    m_protocol.AllOutputsOff(!m_silentOffAtClose);
    if (m_polling)
        m_protocol.SetPollingWindow(m_previousTarget);
    m_polling = false;
    QDialog::done(result);
}

}  // namespace klv
