#pragma once

#include <QDialog>
#include <functional>

#include "device/device_status.h"
#include "measure/ui/window_poll_target.h"

class QCheckBox;
class QPushButton;

namespace klv {

class CDeviceProtocol;
class CEventSounds;

// A service dialog that drives the instrument directly. Each group of commands runs in one
// busy scope and a failed group switches the outputs off silently; closing switches them off;
// Enter does not close. A dialog that follows the instrument takes the polling notification
// while it is open and gives the previous target back when it closes.
class CCheckDialog : public QDialog {
    Q_OBJECT
public:
    CCheckDialog(CDeviceProtocol& protocol, CEventSounds& sounds, const char* name,
                 const char* caption, QWidget* parent);

protected:
    CDeviceProtocol& Protocol() { return m_protocol; }
    CEventSounds& Sounds() { return m_sounds; }

    // Runs the commands, each returning 1 on success, until one fails; false then, after the
    // outputs were switched off without a box (and the test electrolysis stopped first).
    bool Send(const std::function<bool()>& commands, bool stopElectrolysisOnFailure = false);
    // The ordinary switch-off, which may show the communication error box.
    void OutputsOff();

    void TakePolling();
    virtual void OnPollingNotify(const PollingData&) {}
    // Before the outputs go off at closing (the checks stop their electrolysis here).
    virtual void BeforeClose() {}

    // Closing switches the outputs off without the communication error box.
    void SetSilentOffAtClose() { m_silentOffAtClose = true; }
    // "Close", which ends the dialog.
    QPushButton* MakeCloseButton();
    // A "Turn on electricity" box; `toggled` gets the new state.
    QCheckBox* MakePowerBox(const std::function<void(bool)>& toggled);

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int result) override;

private:
    CDeviceProtocol& m_protocol;
    CEventSounds& m_sounds;
    CWindowPollTarget m_pollTarget;
    PollTarget* m_previousTarget = nullptr;
    bool m_polling = false;
    bool m_closing = false;
    bool m_silentOffAtClose = false;
};

}  // namespace klv
