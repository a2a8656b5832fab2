#include "output/result_transmission.h"

#include "output/output_messages.h"

namespace klv {

CResultTransmission::CResultTransmission(SendParamStore& store, SerialLine& line, CDdeServer& dde,
                                         Operator& op, Clock& clock)
    : m_store(store), m_line(line), m_dde(dde), m_op(op), m_clock(clock) {}

bool CResultTransmission::OpenSerialPort() {
    CloseSerialPort();
    m_param = m_store.Load();
    if (!m_param.rs232c.enabled)
        return true;
    if (m_line.Open(MakeSerialParameters(m_param)))
        return true;
    m_op.ShowMessage(kMsgCantUseComPort, MsgIcon::Information, MsgButtons::Ok);
    m_param.rs232c.enabled = false;
    m_store.Save(m_param);
    return false;
}

void CResultTransmission::CloseSerialPort() {
    if (m_line.IsOpen())
        m_line.Close();
}

void CResultTransmission::SendMeasurement(const MeasFileData& d,
                                          std::span<const MsrLogRecord> records,
                                          std::uint32_t dataNumber) {
    if (m_param.dde.enabled)
        m_dde.UpdateMeasurement(d, records, dataNumber, m_param.dde.format, m_clock.Now());
    if (m_param.rs232c.enabled)
        WriteSerialLine(FormatMeasDataLine(d, records, dataNumber, m_param.rs232c.format) +
                        GetLineEnd(m_param.delimitor));
}

void CResultTransmission::WriteSerialLine(const std::string& bytes) {
    for (;;) {
        if (m_line.Write(bytes) == static_cast<std::int64_t>(bytes.size()))
            return;
        m_line.ClearError();
        if (m_op.ShowMessage(kMsgCantTransmitRs232c, MsgIcon::Exclamation,
                             MsgButtons::RetryCancel) != IDRETRY) {
            m_line.Purge();
            return;
        }
        // The line may have gone and come back (an adaptor plugged in again): only a port
        // opened anew reaches it.
        m_line.Close();
        m_line.Open(MakeSerialParameters(m_param));
    }
}

}  // namespace klv
