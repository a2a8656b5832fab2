#include "app/ui/device_link.h"

#include "device/device_protocol.h"
#include "device/device_session.h"
#include "device/simulator_state.h"
#include "device/ui/simulation_dialog.h"
#include "device/usb_transport.h"

namespace klv {

CDeviceLink::CDeviceLink(const DeviceSeams& seams, ProfileFile& profile, Clock& clock,
                         bool simulation)
    : m_simulation(simulation),
      m_transport(std::make_unique<CUsbTransport>(seams.usb, seams.pump, seams.box, clock)),
      m_protocol(std::make_unique<CDeviceProtocol>(*m_transport, seams.pump, seams.busy, clock)) {
    // The simulator must exist before the transport is started, so no command reaches the bus.
    if (m_simulation) {
        m_simulator = std::make_unique<CSimulatorState>(clock);
        m_simulationWindow = std::make_unique<CSimulation>(*m_simulator, &profile);
        m_simulationWindow->Open();
        m_protocol->SetSimulator(m_simulator.get());
    }
}

CDeviceLink::~CDeviceLink() {
    Stop();
    // The protocol talks through the transport: it goes first.
    m_protocol.reset();
    m_transport.reset();
}

bool CDeviceLink::Start(Operator& op) {
    if (StartDeviceCommunication(*m_protocol, op, m_simulation) == 0) {
        // Nothing may be sent to an instrument that never answered: only the thread goes.
        m_transport->Shutdown();
        return false;
    }
    m_started = true;
    return true;
}

void CDeviceLink::Stop() {
    if (m_started) {
        m_started = false;
        StopDeviceCommunication(*m_protocol);
    }
    if (m_simulationWindow) {
        m_simulationWindow->Shutdown();
        m_simulationWindow.reset();
    }
}

}  // namespace klv
