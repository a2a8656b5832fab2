#pragma once

#include <cstddef>
#include <cstdint>

namespace klv {

inline constexpr int kMaxLayers = 5;
inline constexpr std::uint8_t kAlloyLayerCode = 0x80;

// LayerCondition.bLayerFlags
inline constexpr std::uint8_t kLayerCurrentAuto = 0x80;
inline constexpr std::uint8_t kLayerAutoStopOn = 0x40;

// MeasFileData.bWtFlags
inline constexpr std::uint8_t kWtCoefValid = 0x01;
inline constexpr std::uint8_t kWtCoefLater = 0x10;
inline constexpr std::uint8_t kWtAreaLater = 0x20;
inline constexpr std::uint8_t kWtLengthLater = 0x40;
inline constexpr std::uint8_t kWtPlatingWeightCount = 0x80;

// MeasFileData.bStatFlags
inline constexpr std::uint8_t kStatTotalOn = 0x01;
inline constexpr std::uint8_t kStatLimitCheckOn = 0x10;

inline constexpr std::uint8_t kLegacyBlankingMoved = 255;

// One layer of a measurement condition; the byte image is part of the condition file.
struct LayerCondition {
    std::uint8_t bLayerFlags;
    std::uint8_t bCode;  // coating code, 0 = unused, kAlloyLayerCode = alloy layer
    std::uint8_t bSolution;
    std::uint8_t bRange;
    std::uint8_t bSensitivity;
    std::uint8_t bPump;
    std::uint8_t bBlanking;
    std::uint8_t reserved7;
    float fAutoStop;  // µm
    float fCurrent;   // mA
    std::uint8_t reserved16[9];
    char Name[7];
};

struct LayerLimits {
    std::uint8_t reserved[4];
    float fUpperLimit;  // µm
    float fLowerLimit;  // µm
};

// A measurement condition: exactly the 560 bytes of a condition file.
struct MeasFileData {
    char szFileName[80];
    LayerCondition coat[kMaxLayers];
    std::uint8_t bBaseCode;
    char baseName[7];
    std::uint8_t reserved248;
    std::uint8_t bUnit;
    std::uint8_t bGasket;
    std::uint8_t bContent;
    std::uint8_t bOldBlanking;
    std::uint8_t bWtMode;
    std::uint8_t bWtFlags;
    std::uint8_t reserved255[9];
    float fWtDiameter;
    float fWtSideA;
    float fWtSideB;
    float fWtLength;
    float fWtArea;
    float fWtCoef;
    std::uint8_t reserved288[8];
    float fAlloyCoefSn;
    float fAlloyCoefCu;
    std::uint8_t reserved304[32];
    std::uint8_t bStatFlags;
    std::uint8_t bStatMode;
    std::uint8_t reserved338[14];
    std::int32_t nStatTotal;
    LayerLimits limits[kMaxLayers];
    std::uint32_t nItemCt;
    std::uint16_t wFirstDate;
    std::uint16_t wLastDate;
    std::uint16_t wPrintItems;
    std::uint8_t reserved426;
    std::uint8_t bPrintLineMode;
    std::uint8_t reserved428[32];
    char szCustomer[49];
    char szGoods[25];
    char szLotNo[13];
    char szTester[13];
};

static_assert(sizeof(LayerCondition) == 32);
static_assert(offsetof(LayerCondition, bLayerFlags) == 0);
static_assert(offsetof(LayerCondition, bCode) == 1);
static_assert(offsetof(LayerCondition, bSolution) == 2);
static_assert(offsetof(LayerCondition, bRange) == 3);
static_assert(offsetof(LayerCondition, bSensitivity) == 4);
static_assert(offsetof(LayerCondition, bPump) == 5);
static_assert(offsetof(LayerCondition, bBlanking) == 6);
static_assert(offsetof(LayerCondition, fAutoStop) == 8);
static_assert(offsetof(LayerCondition, fCurrent) == 12);
static_assert(offsetof(LayerCondition, Name) == 25);

static_assert(sizeof(MeasFileData) == 560);
static_assert(offsetof(MeasFileData, szFileName) == 0);
static_assert(offsetof(MeasFileData, coat) == 80);
static_assert(offsetof(MeasFileData, bBaseCode) == 240);
static_assert(offsetof(MeasFileData, baseName) == 241);
static_assert(offsetof(MeasFileData, bUnit) == 249);
static_assert(offsetof(MeasFileData, bGasket) == 250);
static_assert(offsetof(MeasFileData, bContent) == 251);
static_assert(offsetof(MeasFileData, bOldBlanking) == 252);
static_assert(offsetof(MeasFileData, bWtMode) == 253);
static_assert(offsetof(MeasFileData, bWtFlags) == 254);
static_assert(offsetof(MeasFileData, fWtDiameter) == 264);
static_assert(offsetof(MeasFileData, fWtSideA) == 268);
static_assert(offsetof(MeasFileData, fWtSideB) == 272);
static_assert(offsetof(MeasFileData, fWtLength) == 276);
static_assert(offsetof(MeasFileData, fWtArea) == 280);
static_assert(offsetof(MeasFileData, fWtCoef) == 284);
static_assert(offsetof(MeasFileData, fAlloyCoefSn) == 296);
static_assert(offsetof(MeasFileData, fAlloyCoefCu) == 300);
static_assert(offsetof(MeasFileData, bStatFlags) == 336);
static_assert(offsetof(MeasFileData, bStatMode) == 337);
static_assert(offsetof(MeasFileData, nStatTotal) == 352);
static_assert(offsetof(MeasFileData, limits) == 356);
static_assert(offsetof(MeasFileData, limits) + offsetof(LayerLimits, fUpperLimit) == 360);
static_assert(offsetof(MeasFileData, limits) + offsetof(LayerLimits, fLowerLimit) == 364);
static_assert(offsetof(MeasFileData, limits) + 4 * sizeof(LayerLimits) + 12 == 416);
static_assert(offsetof(MeasFileData, nItemCt) == 416);
static_assert(offsetof(MeasFileData, wFirstDate) == 420);
static_assert(offsetof(MeasFileData, wLastDate) == 422);
static_assert(offsetof(MeasFileData, wPrintItems) == 424);
static_assert(offsetof(MeasFileData, bPrintLineMode) == 427);
static_assert(offsetof(MeasFileData, szCustomer) == 460);
static_assert(offsetof(MeasFileData, szGoods) == 509);
static_assert(offsetof(MeasFileData, szLotNo) == 534);
static_assert(offsetof(MeasFileData, szTester) == 547);

inline constexpr float kStandardAlloyCoefSn = 0.25f;
inline constexpr float kStandardAlloyCoefCu = 0.323f;

// A new (incomplete) condition: all zero except unit 1 and the standard alloy coefficients.
MeasFileData NewMeasFileData();

// Number of leading used layers (0-5).
int GetCoatCount(const MeasFileData& d);
// Record count divided by the layer count, rounded up (0 for no layers).
std::uint32_t GetDataQuantity(const MeasFileData& d);
inline bool IsAlloyLayer(const LayerCondition& c) {
    return (c.bCode & 0x80) != 0;
}

// Files written before blanking became per layer: byte 252 moves into the used layers.
void MigrateLegacyBlanking(MeasFileData& d);

// Packed date: bits 15-9 year - 1980, bits 8-5 month, bits 4-0 day; years clamp to 1980-2099.
std::uint16_t PackDate(int year, int month, int day);
struct Date {
    int year;
    int month;
    int day;
};
Date UnpackDate(std::uint16_t packed);

}  // namespace klv
