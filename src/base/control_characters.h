#pragma once

#include <string>
#include <string_view>

namespace klv {

// Bytes below the blank and DEL: they would break the lines and fields of every text output.
inline bool IsControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool HasControlCharacter(std::string_view text);
std::string RemoveControlCharacters(std::string_view text);

}  // namespace klv
