#include "measure/ui/run_window.h"

#include <QPushButton>

#include "base/ui/window_settings.h"

namespace klv {

CRunWindow::CRunWindow(RunInstrument& instrument, ProfileFile& profile, CKeyRoutingTable& keys,
                       const char* placementSection, QWidget* parent)
    : QDialog(parent),
      m_instrument(instrument),
      m_profile(profile),
      m_keys(keys),
      m_section(placementSection),
      m_pollTarget(this) {
    // The main window waits; the simulator window must stay usable.
    setWindowModality(Qt::WindowModal);
}

void CRunWindow::TakeRun(QPushButton* start, QPushButton* stop) {
    m_start = start;
    m_stop = stop;
    RestoreWindowPlacement(*this, m_profile, m_section, true, false);
    m_previousTarget = m_instrument.SetPollingWindow(nullptr);
    m_instrument.SetPollingWindow(m_previousTarget);
    m_instrument.EnterCommandScope();
    m_instrument.AllOutputsOffSilently();
    m_instrument.LeaveCommandScope();
    m_previousF2 = m_keys.Register(kVkF2, this);
    m_previousF3 = m_keys.Register(kVkF3, this);
}

void CRunWindow::GiveBackRun() {
    m_instrument.SetPollingWindow(m_previousTarget);
    SaveWindowPlacement(*this, m_profile, m_section, true, false);
    m_keys.Register(kVkF2, m_previousF2);
    m_keys.Register(kVkF3, m_previousF3);
}

bool CRunWindow::event(QEvent* e) {
    if (e->type() == kWindowPollingEvent) {
        OnPollingNotify();
        return true;
    }
    if (e->type() == kKeyMessageEvent) {
        const int key = static_cast<KeyMessageEvent*>(e)->VirtualKey();
        if (key == kVkF2 && m_start != nullptr && m_start->isEnabled())
            StartMeasurement();
        else if (key == kVkF3 && m_stop != nullptr && m_stop->isEnabled())
            StopMeasurement();
        return true;
    }
    return QDialog::event(e);
}

}  // namespace klv
