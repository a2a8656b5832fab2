#pragma once

#include <string>
#include <string_view>

namespace klv {

// Texts of the input checks, exactly as the operator sees them.
inline constexpr std::string_view kMsgLackOfItem = "Lack of item.";
inline constexpr std::string_view kMsgNumericError = "Error in the numerical value.";
inline constexpr std::string_view kMsgNotPositive = "Less than zero can't be specified.";
inline constexpr std::string_view kMsgNotSelected = "Not selected.";
inline constexpr std::string_view kMsgMinusValue = "Value of minus can't be specified.";
inline constexpr std::string_view kMsgControlCharacters = "Control characters can't be used.";

// "Range of values are from  %d  to  %d."
std::string RangeMessage(int low, int high);
// "Range of values are from  %s  to  %s."
std::string RangeMessage(std::string_view low, std::string_view high);

}  // namespace klv
