#pragma once

#include <string>
#include <string_view>

namespace klv::tool {

// Single-byte Windows-1252 text of a record as UTF-8 for one output line: control
// characters, backslashes and bytes the code page does not define become \xNN escapes.
std::string DecodeRecordText(std::string_view text);

}  // namespace klv::tool
