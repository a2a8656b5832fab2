#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace klv {

// "Electric potential for level indication": the ADC0804 reading in mV, truncated toward zero.
int LevelIndicationMv(std::uint8_t reading);
// "Electric potential for graph indication": the AD976 reading in mV, truncated toward zero.
int GraphIndicationMv(std::int16_t reading);
// Either readout as the dialogs show it.
std::string FormatMv(int mv);

// Output current of a check: the coating row's output-current factor (mA for gasket A at range
// "1/1") x the gasket's area ratio x the current range's factor.
float CheckOutputCurrent(int factorRow, int gasketCode, int rangeCode);
// The current as shown beside "Turn on electricity": the number in 6 characters and " mA".
std::string FormatCheckCurrent(float mA);

// Output-current factor rows offered by the current check and the sensitivity test, in
// button order.
inline constexpr std::array<int, 13> kCheckCoatingRows = {3, 10, 4, 8, 11, 12, 2,
                                                          1, 7,  6, 9, 13, 5};
inline constexpr int kCheckGasketCount = 3;
inline constexpr int kCheckRangeCount = 8;

}  // namespace klv
