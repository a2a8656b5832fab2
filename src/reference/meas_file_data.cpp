#include "reference/meas_file_data.h"

#include <cstring>

namespace klv {

MeasFileData NewMeasFileData() {
    MeasFileData d;
    std::memset(&d, 0, sizeof d);
    d.bUnit = 1;
    d.fAlloyCoefSn = kStandardAlloyCoefSn;
    d.fAlloyCoefCu = kStandardAlloyCoefCu;
    return d;
}

int GetCoatCount(const MeasFileData& d) {
    int n = 0;
    while (n < kMaxLayers && d.coat[n].bCode != 0)
        ++n;
    return n;
}

std::uint32_t GetDataQuantity(const MeasFileData& d) {
    auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    if (layers == 0)
        return 0;
    return d.nItemCt / layers + (d.nItemCt % layers != 0 ? 1 : 0);
}

void MigrateLegacyBlanking(MeasFileData& d) {
    if (d.bOldBlanking == kLegacyBlankingMoved)
        return;
    int layers = GetCoatCount(d);
    for (int k = 0; k < layers; ++k)
        d.coat[k].bBlanking = d.bOldBlanking;
    d.bOldBlanking = kLegacyBlankingMoved;
}

std::uint16_t PackDate(int year, int month, int day) {
    if (year < 1980)
        year = 1980;
    if (year > 2099)
        year = 2099;
    return static_cast<std::uint16_t>(((year - 1980) << 9) | ((month & 0x0F) << 5) | (day & 0x1F));
}

Date UnpackDate(std::uint16_t packed) {
    return Date{1980 + (packed >> 9), (packed >> 5) & 0x0F, packed & 0x1F};
}

}  // namespace klv
