#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "crash/crash_report.h"

namespace klv::crash {

struct ExpectedRecord {
    std::uint8_t flags = 0;
    std::uint32_t valueBits = 0;  // of a record with a value
    bool known = true;            // false: stored by a step that was in flight
};

// What the child has reported done, as the parent keeps it between kills.
struct ExpectedState {
    std::array<std::vector<ExpectedRecord>, kChannels> records;
    std::array<std::uint32_t, kChannels> generation{};
    std::array<bool, kChannels> created{};
    std::uint32_t calibration = 0;
    std::uint32_t sender = 0;
    std::uint32_t setting = 0;
};

struct CheckResult {
    int lost = 0;        // a reported step whose result is not there, or a dropped one back
    int unreadable = 0;  // a file the program's own readers refuse
    std::vector<std::string> findings;
};

// Applies one report line; a step begun and not yet done is kept in `inFlight`.
void Apply(const Report& r, ExpectedState& state, std::optional<Report>& inFlight);

// Starts the program's readers on the directory the killed child left, selects every channel
// (the interrupted-measurement repair runs) and compares with what was reported; on success the
// state becomes what is on the disk, ready for the next child.
CheckResult CheckDataDirectory(const std::string& dataDir, ExpectedState& state,
                               const std::optional<Report>& inFlight);

}  // namespace klv::crash
