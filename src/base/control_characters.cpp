#include "base/control_characters.h"

#include <algorithm>

namespace klv {

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
}

std::string RemoveControlCharacters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (!IsControlCharacter(c))
            out += c;
    return out;
}

}  // namespace klv
