#pragma once

#include <QHash>
#include <QMainWindow>
#include <memory>

#include "app/ui/control_enabling.h"
#include "app/ui/device_link.h"

class QAction;

namespace klv {

class CKLV570App;
class CMainFace;

// The main window. Closing asks "May the program be closed?"; on Yes the window settings are
// saved and the window goes.
class CKLV570Dlg : public QMainWindow {
    Q_OBJECT

public:
    explicit CKLV570Dlg(CKLV570App& app, QWidget* parent = nullptr);

    // The shutdown steps of the main window, once; later issues add theirs here.
    void Shutdown();
    CDeviceLink& Device() { return *m_device; }
    // Opens the instrument once the window is up; a failure ends the program.
    void StartDevice();
    // Enabling of every command and button, and the status line, from the window's state.
    void UpdateControls();
    bool IsHiddenMenuShown() const { return m_hiddenMenuShown; }
    void ToggleHiddenMenu();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnCommand(int id);

    CKLV570App& m_app;
    std::unique_ptr<CDeviceLink> m_device;
    CMainFace* m_face = nullptr;
    QHash<int, QAction*> m_actions;
    ControlState m_state;
    bool m_hiddenMenuShown = false;
    bool m_initialised = false;
    bool m_shutDown = false;
};

}  // namespace klv
