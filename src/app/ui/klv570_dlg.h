#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/control_enabling.h"
#include "app/ui/device_link.h"
#include "base/ui/key_routing_table.h"

class QAction;

namespace klv {

class CKLV570App;
class CMainChannel;
class CMainFace;
class CPotentialGraphLink;
class CProtocolRunInstrument;
class CRollPaperLink;
class CHelpWindow;
struct ConditionEditContext;

// The main window. Closing asks "May the program be closed?"; on Yes the window settings are
// saved and the window goes.
class CKLV570Dlg : public QMainWindow {
    Q_OBJECT

public:
    // The device seams outlive the window.
    CKLV570Dlg(CKLV570App& app, const DeviceSeams& device, QWidget* parent = nullptr);
    ~CKLV570Dlg() override;

    // Shows the window as the settings remember it (maximised by default).
    void ShowAsStored();
    // The shutdown steps of the main window, once.
    void Shutdown();
    CDeviceLink& Device() { return *m_device; }
    CMainChannel& Channel() { return *m_channel; }
    CMainFace& Face() { return *m_face; }
    CRollPaperLink& RollPaper() { return *m_rollPaper; }
    CPotentialGraphLink& Graph() { return *m_graph; }
    // The program's key routing: F2 and F3 are the main window's until a window takes them.
    CKeyRoutingTable& Keys() { return m_keys; }
    // Opens the instrument once the window is up, takes F2 and F3, then opens the channel of
    // the last session; only then the window counts as set up. A failure ends the program.
    void StartDevice();
    // Enabling of every command and button, and the status line, from the window's state.
    void UpdateControls();
    // The results waiting in the outbox; a new problem of the results database is told once,
    // when no measurement runs.
    void UpdateOutboxLine();
    bool IsHiddenMenuShown() const { return m_hiddenMenuShown; }
    void ToggleHiddenMenu();
    // A menu command or button, done only while it is enabled.
    void OnCommand(int id);
    bool HasCommandHandler(int id) const { return m_handlers.contains(id); }
    const ControlState& State() const { return m_state; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommandHandlers();
    void OnKeyMessage(int virtualKey);
    void FillControlState();
    void DeleteConditionFiles();
    void ShowSurfaceTreatment();
    void ChooseFont();
    void ShowVersion();
    void ShowHelp();
    void EditTransmissionMethod();
    void EditItem(int id);
    void EditOpenCondition();
    // A first start without stored placements keeps the print image and the simulator off
    // the window's results where the screen has room.
    void LeaveRoomForPrintImage();
    void PlaceSimulatorAtFirstStart();

    CKLV570App& m_app;
    std::unique_ptr<CDeviceLink> m_device;
    std::unique_ptr<CProtocolRunInstrument> m_instrument;
    std::unique_ptr<CRollPaperLink> m_rollPaper;
    std::unique_ptr<CMainChannel> m_channel;
    std::unique_ptr<CPotentialGraphLink> m_graph;
    std::unique_ptr<ConditionEditContext> m_editContext;
    CMainFace* m_face = nullptr;
    QPointer<CHelpWindow> m_helpWindow;
    QHash<int, QAction*> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    ControlState m_state;
    CKeyRoutingTable m_keys;
    bool m_hiddenMenuShown = false;
    bool m_initialised = false;
    bool m_shutDown = false;
    std::uint64_t m_toldRecorderProblem = 0;
};

}  // namespace klv
