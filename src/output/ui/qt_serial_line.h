#pragma once

#include <QSerialPort>

#include "output/serial_line.h"

namespace klv {

// The serial port through QSerialPort: no flow control, a write waits for the line at most
// 1 ms per byte plus the base time-out, and what it could not send is dropped.
class CQtSerialLine final : public SerialLine {
public:
    explicit CQtSerialLine(int writeTimeoutMs = 5000) : m_writeTimeoutMs(writeTimeoutMs) {}

    bool Open(const SerialParameters& parameters) override;
    bool IsOpen() const override { return m_port.isOpen(); }
    void Close() override;
    std::int64_t Write(std::string_view bytes) override;
    void ClearError() override { m_port.clearError(); }
    void Purge() override;

    const QSerialPort& Port() const { return m_port; }

private:
    QSerialPort m_port;
    int m_writeTimeoutMs;
};

}  // namespace klv
