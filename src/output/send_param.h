#pragma once

#include <string>

#include "output/meas_data_line.h"
#include "output/serial_line.h"

namespace klv {

// One output of a finished measurement: whether it is on, and its line.
struct OutputRecord {
    bool enabled = false;
    LineFormat format;
};

// The settings of both result transmissions.
struct MeasDataSendParam {
    int portNbr = 0;
    std::string portName;  // the device path; "" means "/dev/ttyS" + portNbr
    int speed = 9600;
    int parity = 0;     // 0 even, 1 odd, 2 none
    int dataBit = 0;    // 0 seven bits, 1 eight bits
    int stopBit = 0;    // 0 one stop bit, 1 two
    int delimitor = 0;  // line end: 0 CR LF, 1 CR, 2 LF
    OutputRecord rs232c{false, {kRs232cItemsDefault, 1, 0, false}};
    OutputRecord dde{true, {kDdeItemsDefault, 0, 0, false}};

    static constexpr unsigned kRs232cItemsDefault = 64;
    static constexpr unsigned kDdeItemsDefault = 64;
};

// "%d,%d,%d,%d,%d": enabled, items, delimiter, date format, unit flag. Fields that are missing
// or do not read as numbers keep the defaults; the unit item bit is not part of these lines.
OutputRecord ParseOutputRecord(const std::string& text, const OutputRecord& defaults);
std::string FormatOutputRecord(const OutputRecord& record);

// The port and framing the settings ask for. Speeds the sheet offers (1200 to 19200) and 300
// and 600 reach the port; any other stored value opens it at 9600.
SerialParameters MakeSerialParameters(const MeasDataSendParam& p);
// "\r\n", "\r" or "\n" for the end characters 0, 1, 2; CR LF for any other value.
const char* GetLineEnd(int delimitor);

}  // namespace klv
