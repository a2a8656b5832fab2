#pragma once

class QLabel;

namespace klv {

// The longest texts an operator can give a condition.
inline constexpr int kFileNameChars = 47;
inline constexpr int kCustomerChars = 36;
inline constexpr int kGoodsChars = 24;
inline constexpr int kLotNoChars = 12;
inline constexpr int kTesterChars = 12;

// Makes the framed label at least wide enough for `chars` wide capitals ("M") of its font, so
// the field looks the same whatever it holds.
void ReserveTextWidth(QLabel& field, int chars);

}  // namespace klv
