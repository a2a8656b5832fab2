#pragma once

#include <optional>
#include <string_view>

namespace klv {

// Number input of the dialogs: blanks, an optional sign with optional blanks behind it, digits
// with at most one decimal point (at most 9 before it), blanks; shorter than 20 characters.
// ParseInt also refuses any digit after a point.
std::optional<int> ParseInt(std::string_view text);
std::optional<double> ParseFloat(std::string_view text);

}  // namespace klv
