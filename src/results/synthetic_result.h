#pragma once

#include <cstdint>
#include <span>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "results/layer_weight.h"

namespace klv {

inline constexpr int kSyntheticItemCount = 6;

// uIsAlloy
inline constexpr int kItemOfLayer = 0;
inline constexpr int kItemAllTin = 1;
inline constexpr int kItemAllCopper = 2;

// nLimitMark
inline constexpr int kLimitInside = 0;
inline constexpr int kLimitAbove = 1;
inline constexpr int kLimitBelow = 2;

// One shown line of a measurement result; an item with an empty title is not used.
struct SyntheticItem {
    int uIsAlloy;
    char szMeasTitle[40];
    char szMeasValue[16];
    float lMeasValue;  // in the condition's unit
    char szUnit[8];
    char szWeightTitle[20];
    char szWeightValue[16];
    char szWeightUnit[8];
    char szAdhesionTitle[20];
    char szAdhesionValue[16];
    char szAdhesionUnit[8];
    char szLimit[24];
    int nLimitMark;
    int bValid;
};

// The formatted result of one measurement.
struct SyntheticResult {
    int nCount;
    std::uint16_t wDate;
    SyntheticItem item[kSyntheticItemCount];
};

inline bool IsItemUsed(const SyntheticItem& item) {
    return item.szMeasTitle[0] != '\0';
}

// Builds the result of one measurement from its condition and its layer records. Tin over an
// alloy layer is split into solid, alloy and total tin (and copper) unless `plain` is set.
void EditSyntheticResult(const MeasFileData& d, std::span<const MsrLogRecord> records,
                         SyntheticResult& result, bool plain);

// The numbers of the same result without its texts and weights, for counting.
struct SyntheticValue {
    bool bUsed;  // the item of EditSyntheticResult has a title
    int uIsAlloy;
    float lMeasValue;  // in the condition's unit
    bool bNoValue;     // a layer it is made of was stored without a value
};
struct SyntheticValues {
    int nCount;
    SyntheticValue item[kSyntheticItemCount];
};
void EditSyntheticValues(const MeasFileData& d, std::span<const MsrLogRecord> records,
                         SyntheticValues& values, bool plain);

// The same for many measurements of one condition, which is looked into once; the condition
// must outlive the maker.
class SyntheticValueMaker {
public:
    SyntheticValueMaker(const MeasFileData& d, bool plain);
    void Make(std::span<const MsrLogRecord> records, SyntheticValues& values) const;

private:
    const MeasFileData& m_d;
    LayerShape m_shape;
    float m_unitDivisor;
    bool m_plain;
    bool m_anyAlloy = false;
};

}  // namespace klv
