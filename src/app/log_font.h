#pragma once

#include <cstddef>
#include <cstdint>

namespace klv {

// The 60-byte font record stored in the printer font settings; its byte image is the one
// the settings file holds as hexadecimal digits.
struct LogFont {
    std::int32_t lfHeight;
    std::int32_t lfWidth;
    std::int32_t lfEscapement;
    std::int32_t lfOrientation;
    std::int32_t lfWeight;
    std::uint8_t lfItalic;
    std::uint8_t lfUnderline;
    std::uint8_t lfStrikeOut;
    std::uint8_t lfCharSet;
    std::uint8_t lfOutPrecision;
    std::uint8_t lfClipPrecision;
    std::uint8_t lfQuality;
    std::uint8_t lfPitchAndFamily;
    char lfFaceName[32];
};
static_assert(sizeof(LogFont) == 60);
static_assert(offsetof(LogFont, lfWeight) == 16);
static_assert(offsetof(LogFont, lfItalic) == 20);
static_assert(offsetof(LogFont, lfCharSet) == 23);
static_assert(offsetof(LogFont, lfPitchAndFamily) == 27);
static_assert(offsetof(LogFont, lfFaceName) == 28);

inline constexpr std::uint8_t kAnsiCharSet = 0;
// Variable pitch, roman family.
inline constexpr std::uint8_t kDefaultPitchAndFamily = 0x31;

// All zero except pitch-and-family 0x31, charset ANSI and face "Times New Roman".
LogFont DefaultLogFont();

}  // namespace klv
