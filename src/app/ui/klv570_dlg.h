#pragma once

#include <QMainWindow>
#include <memory>

#include "app/ui/device_link.h"

namespace klv {

class CKLV570App;

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CKLV570App& m_app;
    std::unique_ptr<CDeviceLink> m_device;
    bool m_initialised = false;
    bool m_shutDown = false;
};

}  // namespace klv
