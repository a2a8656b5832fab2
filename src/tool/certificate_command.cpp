#include <array>
#include <optional>

#include "app/calibration_due_gate.h"
#include "app/data_directory.h"
#include "records/certificate_output.h"
#include "tool/db_connection.h"

namespace klv::tool {

int RunCertificate(ToolContext& context, std::span<const std::string> args) {
    std::string lot;
    bool lotGiven = false;
    std::optional<int> channel;
    std::string out;
    PaperSize paper = kPaperA4;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return kExitUsage;
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "--lot") {
            lot = value;
            lotGiven = true;
        } else if (option == "--channel") {
            const int n = ParseChannelNumber(value);
            if (n < 0)
                return kExitUsage;
            channel = n;
        } else if (option == "--out" && !value.empty()) {
            out = value;
        } else if (option == "--paper" && (value == "a4" || value == "letter")) {
            paper = value == "a4" ? kPaperA4 : kPaperLetter;
        } else {
            return kExitUsage;
        }
    }
    if (!lotGiven || out.empty())
        return kExitUsage;
    const auto db = OpenToolDatabase(context);
    if (!db)
        return kExitFailed;
    const std::string& dir = context.store.DataDirectory();
    const ProfileFile ini(dir + kSettingsFileName);
    std::array<int, kGasketRecordCount> intervals{};
    for (std::size_t g = 0; g < intervals.size(); ++g)
        intervals[g] = ReadCalibrationInterval(ini, static_cast<int>(g));
    const CertificateOutcome outcome =
        WriteLotCertificate(*db, dir, lot, channel, intervals, paper, ToolNow(), out);
    (outcome.ok ? context.out : context.err) << outcome.message << '\n';
    return outcome.ok ? kExitOk : kExitFailed;
}

}  // namespace klv::tool
