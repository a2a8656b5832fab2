#include "reference/free_name_rule.h"

namespace klv {
namespace {

// Names are Windows-1252 bytes. That code page has no katakana and no double-byte
// characters; its national letters (Š Œ Ž š œ ž Ÿ and À to ÿ without × and ÷) take the place
// of the single-byte letters beyond ASCII.
bool IsNameCharacter(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    switch (c) {
        case 0x8A:
        case 0x8C:
        case 0x8E:
        case 0x9A:
        case 0x9C:
        case 0x9E:
        case 0x9F:
            return true;
        case 0xD7:
        case 0xF7:
            return false;
        default:
            return c >= 0xC0;
    }
}

bool IsStandardName(std::string_view name, CoatBaseKind kind) {
    for (const CoatBaseButton& b : CoatBaseButtons(kind))
        if (!b.freeName && b.shortName == name)
            return true;
    return false;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string CheckFreeName(std::string_view name, CoatBaseKind kind) {
    if (name.empty() || name.size() > static_cast<std::size_t>(kFreeNameMaxChars))
        return std::string(kMsgBlankName);
    if (IsStandardName(name, kind))
        return std::string(kMsgStandardName);
    for (char c : name)
        if (!IsNameCharacter(static_cast<unsigned char>(c)))
            return std::string(kMsgSymbolsInName);
    return {};
}

}  // namespace klv
