#pragma once

#include <memory>

#include "base/clock.h"
#include "base/operator.h"
#include "base/profile.h"
#include "device/device_seams.h"

namespace klv {

class CDeviceProtocol;
class CSimulation;
class CSimulatorState;
class CUsbTransport;

// The main window's line to the instrument: the transport, the command protocol and, with
// "siml=1", the simulator that stands in for the instrument.
class CDeviceLink {
public:
    CDeviceLink(const DeviceSeams& seams, ProfileFile& profile, Clock& clock, bool simulation);
    ~CDeviceLink();
    CDeviceLink(const CDeviceLink&) = delete;
    CDeviceLink& operator=(const CDeviceLink&) = delete;

    // Opens the device (or the simulator) and checks the instrument. False when the program
    // must end; the operator has been told.
    bool Start(Operator& op);
    // Stops the instrument, the polling and the transport; closes the simulator window.
    void Stop();

    CDeviceProtocol& Protocol() { return *m_protocol; }
    CUsbTransport& Transport() { return *m_transport; }
    CSimulation* SimulationWindow() { return m_simulationWindow.get(); }
    CSimulatorState* Simulator() { return m_simulator.get(); }

private:
    bool m_simulation;
    bool m_started = false;
    std::unique_ptr<CUsbTransport> m_transport;
    std::unique_ptr<CDeviceProtocol> m_protocol;
    std::unique_ptr<CSimulatorState> m_simulator;
    std::unique_ptr<CSimulation> m_simulationWindow;
};

}  // namespace klv
