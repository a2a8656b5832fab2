#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace klv {

enum class SerialParity { Even, Odd, None };

// How the serial port is opened.
struct SerialParameters {
    std::string portName;  // a device path
    int baudRate = 9600;
    SerialParity parity = SerialParity::Even;
    int dataBits = 7;
    int stopBits = 1;
};

// One serial port: no flow control, writes that give up after the write time-out.
class SerialLine {
public:
    virtual ~SerialLine() = default;
    // Opens and configures the port; false when it can't be used (then it is closed).
    virtual bool Open(const SerialParameters& parameters) = 0;
    virtual bool IsOpen() const = 0;
    // Drops DTR and RTS, discards what is pending both ways and closes.
    virtual void Close() = 0;
    // The bytes written within the write time-out, -1 on an error.
    virtual std::int64_t Write(std::string_view bytes) = 0;
    // Clears the port's error state after a failed write.
    virtual void ClearError() = 0;
    // Discards what is pending in both directions.
    virtual void Purge() = 0;
};

}  // namespace klv
