#pragma once

#include <cstdint>
#include <string>

namespace klv::crash {

inline constexpr int kChannels = 5;  // channel c has c + 1 layers

// One line on the pipe from the working child to the checking parent. A step is announced
// ("begin") before the program is asked to do it and reported done only once the program said
// so; a kill in between leaves it in flight, so either outcome is right.
struct Report {
    enum Kind : char {
        Begin = 'B',
        Layer = 'L',      // channel, record index, flags, value bits
        Cancel = 'C',     // channel
        Remove = 'R',     // channel, measurement number (1-based)
        Condition = 'W',  // channel, generation written into the condition's name
        Calibration = 'K',
        Sender = 'T',
        Setting = 'S',  // generation of the value
        Ready = 'Y',
    };
    Kind kind = Ready;
    Kind begun = Ready;  // of a Begin line
    int channel = 0;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::uint32_t c = 0;
};

std::string FormatReport(const Report& r);
// False for a line the child did not finish writing.
bool ParseReport(const std::string& line, Report& r);

}  // namespace klv::crash
