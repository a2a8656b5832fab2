#pragma once

#include <cstdint>
#include <string>

#include "base/operator.h"
#include "base/profile.h"
#include "records/delivery.h"
#include "reference/meas_file_data.h"

namespace klv::crash {

// Answers every question with Yes and counts what it was shown.
class YesOperator final : public Operator {
public:
    int ShowMessage(const std::string& text, MsgIcon, MsgButtons) override {
        ++shown;
        last = text;
        return IDYES;
    }
    int shown = 0;
    std::string last;
};

// The working child: measures, cancels, removes and rewrites on `dataDir` through the
// program's own session and stores, and tells `reportFd` what it begins and what is done.
// Returns only when a step fails.
int RunWorkload(const std::string& dataDir, std::uint32_t seed, int reportFd);

// The condition of channel c: c + 1 layers of range 1/1, its generation in the name.
MeasFileData CrashCondition(int channel);
std::uint32_t GenerationOf(const MeasFileData& d);
std::uint16_t MeasuredDate();
// The tester the child and the checks record as.
TesterIdentity CrashTester(const std::string& dataDir);
// The results database the child and the checks use: KLV_CRASH_RESULTS_URL, else the data
// directory's own SQLite file.
std::string CrashResultsUrl();

inline constexpr char kSettingsSection[] = "Crash";
inline constexpr char kSettingsKey[] = "Generation";

}  // namespace klv::crash
