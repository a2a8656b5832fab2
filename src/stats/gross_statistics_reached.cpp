#include "stats/gross_statistics_reached.h"

#include <cstdint>

namespace klv {

bool GrossStatisticsReached(const MeasFileData& d) {
    if ((d.bStatFlags & kStatTotalOn) == 0 || d.nStatTotal <= 0)
        return false;
    return GetDataQuantity(d) >= static_cast<std::uint32_t>(d.nStatTotal);
}

}  // namespace klv
