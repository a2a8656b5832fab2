#include "measure/protocol_run_instrument.h"

#include "device/usb_msg_box.h"
#include "device/usb_status.h"

namespace klv {

void CProtocolRunInstrument::EnterCommandScope() {
    // Simulated commands run without a busy scope, as the protocol's own do.
    if (m_depth++ == 0)
        m_scope.emplace(m_protocol.Busy(), !m_protocol.Transport().IsSimulation());
}

void CProtocolRunInstrument::LeaveCommandScope() {
    if (m_depth > 0 && --m_depth == 0)
        m_scope.reset();
}

int CProtocolRunInstrument::SetOutputCurrent(float currentMa, float correctionPercent) {
    return m_protocol.SetOutputCurrent(currentMa, correctionPercent, false, true, false, 0, true);
}

int CProtocolRunInstrument::StartElectrolysis(std::uint16_t countPeriodMs,
                                              std::uint8_t blankingSeconds,
                                              std::uint32_t autoStopCount,
                                              std::uint32_t saturationCount) {
    return m_protocol.StartElectrolysis(countPeriodMs, blankingSeconds, autoStopCount,
                                        saturationCount, 0, true);
}

void CProtocolRunInstrument::ShowCommunicationError(std::uint32_t errorCode) {
    constexpr int kBoxOk = 0x00;
    m_protocol.Transport().CommunicationErrorBox(UsbStatusText(errorCode),
                                                 kBoxOk | kBoxIconExclamation);
}

}  // namespace klv
