#include "output/send_param.h"

#include <cstdio>

#include "output/meas_data_line.h"

namespace klv {

OutputRecord ParseOutputRecord(const std::string& text, const OutputRecord& defaults) {
    int fields[5] = {defaults.enabled ? 1 : 0, static_cast<int>(defaults.format.items),
                     defaults.format.delimiter, defaults.format.dateFormat,
                     defaults.format.unitAppended ? 1 : 0};
    // sscanf stores the fields it could read and leaves the rest.
    (void)std::sscanf(text.c_str(), "%d,%d,%d,%d,%d", &fields[0], &fields[1], &fields[2],
                      &fields[3], &fields[4]);
    OutputRecord r;
    r.enabled = fields[0] != 0;
    r.format.items = static_cast<unsigned>(fields[1]) & ~kItemUnit;
    r.format.delimiter = fields[2];
    r.format.dateFormat = fields[3];
    r.format.unitAppended = fields[4] != 0;
    return r;
}

std::string FormatOutputRecord(const OutputRecord& r) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d", r.enabled ? 1 : 0,
                  static_cast<int>(r.format.items), r.format.delimiter, r.format.dateFormat,
                  r.format.unitAppended ? 1 : 0);
    return text;
}

SerialParameters MakeSerialParameters(const MeasDataSendParam& p) {
    SerialParameters s;
    s.portName = p.portName.empty() ? "/dev/ttyS" + std::to_string(p.portNbr) : p.portName;
    switch (p.speed) {
        case 300:
        case 600:
        case 1200:
        case 2400:
        case 4800:
        case 9600:
        case 19200:
            s.baudRate = p.speed;
            break;
        default:
            s.baudRate = 9600;
    }
    s.parity = p.parity == 1   ? SerialParity::Odd
               : p.parity == 2 ? SerialParity::None
                               : SerialParity::Even;
    s.dataBits = p.dataBit == 1 ? 8 : 7;
    s.stopBits = p.stopBit == 1 ? 2 : 1;
    return s;
}

const char* GetLineEnd(int delimitor) {
    switch (delimitor) {
        case 1:
            return "\r";
        case 2:
            return "\n";
        default:
            return "\r\n";
    }
}

}  // namespace klv
