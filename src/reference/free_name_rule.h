#pragma once

#include <string>
#include <string_view>

#include "reference/coat_base_list.h"

namespace klv {

inline constexpr std::string_view kMsgBlankName = "Blank name of substance can't be set.";
inline constexpr std::string_view kMsgStandardName = "Standard name of substance can't be set.";
inline constexpr std::string_view kMsgSymbolsInName = "Symbols can't be used.";
inline constexpr int kFreeNameMaxChars = 6;

// Removes leading and trailing blanks.
std::string TrimBlanks(std::string_view text);

// The refusal of a typed free name (already trimmed, single-byte text), or an empty text when
// the name may be used.
std::string CheckFreeName(std::string_view name, CoatBaseKind kind);

}  // namespace klv
