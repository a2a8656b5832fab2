#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "stats/form_groups.h"
#include "stats/statistics_selection.h"

namespace klv {

// Process capability of one statistics column, as SPC practice defines it: Cp and Cpk from
// the spread within subgroups (R-bar / d2 of the X-bar/R groups in the averaging modes, the
// average moving range / 1.128 of single data otherwise), Pp and Ppk from the overall sample
// standard deviation of the individual values; each against the limits of the figure the
// column shows. Mean and sigmas are in the displayed unit; a figure without its limits or
// sigma is missing.
struct CapabilityFigures {
    std::uint32_t n = 0;  // individual values
    double mean = 0;
    std::optional<double> sigmaWithin;
    std::optional<double> sigmaOverall;
    std::optional<double> cp;
    std::optional<double> cpk;
    std::optional<double> pp;
    std::optional<double> ppk;
};

// `stored` holds the channel's `dataCount` complete data (L records each), `formed` the
// statistics data of `s` formed from them.
CapabilityFigures ComputeCapability(const MeasFileData& d, std::span<const MsrLogRecord> stored,
                                    std::uint32_t dataCount, const FormedData& formed,
                                    const StatisticsSelection& s, int k);

}  // namespace klv
