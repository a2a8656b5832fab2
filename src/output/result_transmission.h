#pragma once

#include <cstdint>
#include <span>

#include "base/clock.h"
#include "base/operator.h"
#include "output/dde_server.h"
#include "output/send_param.h"
#include "output/serial_line.h"

namespace klv {

// Where the transmission settings are kept.
class SendParamStore {
public:
    virtual ~SendParamStore() = default;
    virtual MeasDataSendParam Load() = 0;
    virtual void Save(const MeasDataSendParam& p) = 0;
};

// The two outputs of every finished measurement: the serial line and the result service.
class CResultTransmission {
public:
    CResultTransmission(SendParamStore& store, SerialLine& line, CDdeServer& dde, Operator& op,
                        Clock& clock);

    // Takes the stored settings and opens the port anew when the serial output is on. A port
    // that can't be used is reported once and the serial output is switched off and saved.
    bool OpenSerialPort();
    void CloseSerialPort();
    // The result service's items, then the line on the serial port; a failed write asks
    // Retry or Cancel.
    void SendMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                         std::uint32_t dataNumber);
    const MeasDataSendParam& Param() const { return m_param; }
    CDdeServer& Dde() { return m_dde; }

private:
    void WriteSerialLine(const std::string& bytes);

    SendParamStore& m_store;
    SerialLine& m_line;
    CDdeServer& m_dde;
    Operator& m_op;
    Clock& m_clock;
    MeasDataSendParam m_param;
};

}  // namespace klv
