#pragma once

#include <QDialog>

#include "base/profile.h"
#include "base/ui/key_routing_table.h"
#include "measure/run_instrument.h"
#include "measure/ui/window_poll_target.h"

class QPushButton;

namespace klv {

// A dialog that runs layers of its own: it takes the polling notification and the F2/F3 keys
// while it is open, switches the outputs off when it opens, and gives all back when it goes.
class CRunWindow : public QDialog {
    Q_OBJECT
public:
    CRunWindow(RunInstrument& instrument, ProfileFile& profile, CKeyRoutingTable& keys,
               const char* placementSection, QWidget* parent);

    virtual void StartMeasurement() = 0;
    virtual void StopMeasurement() = 0;
    virtual void OnPollingNotify() = 0;

protected:
    // After the controls exist: placement, outputs off, the keys; F2 and F3 act only while
    // their buttons are enabled.
    void TakeRun(QPushButton* start, QPushButton* stop);
    // Polling back to the window that had it, the keys back, the placement stored.
    void GiveBackRun();
    PollTarget& Target() { return m_pollTarget; }
    bool event(QEvent* e) override;

private:
    RunInstrument& m_instrument;
    ProfileFile& m_profile;
    CKeyRoutingTable& m_keys;
    const char* m_section;
    CWindowPollTarget m_pollTarget;
    PollTarget* m_previousTarget = nullptr;
    QWidget* m_previousF2 = nullptr;
    QWidget* m_previousF3 = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
};

}  // namespace klv
