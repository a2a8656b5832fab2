#include "app/font_record.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace klv {
namespace {

constexpr std::size_t kMaxRecordText = 220;
constexpr std::size_t kHexDigits = 2 * sizeof(LogFont);

// Reads the stored text the way "%d,%d,%d,%d,%s" does: each number may follow blanks, the
// commas must follow at once, the last field runs to the next blank.
class FieldScanner {
public:
    explicit FieldScanner(const std::string& text) : m_text(text) {}

    std::optional<int> Number() {
        SkipBlanks();
        std::size_t i = m_pos;
        bool negative = false;
        if (At(i) == '-' || At(i) == '+')
            negative = At(i++) == '-';
        if (!IsDigit(At(i)))
            return std::nullopt;
        long long n = 0;
        while (IsDigit(At(i)))
            n = std::min<long long>(n * 10 + (At(i++) - '0'), kClampAt);
        m_pos = i;
        return static_cast<int>(negative ? -n : n);
    }

    bool Comma() {
        if (At(m_pos) != ',')
            return false;
        ++m_pos;
        return true;
    }

    std::optional<std::string> Word() {
        SkipBlanks();
        std::size_t b = m_pos;
        while (m_pos < m_text.size() && !IsBlank(m_text[m_pos]))
            ++m_pos;
        if (m_pos == b)
            return std::nullopt;
        return m_text.substr(b, m_pos - b);
    }

private:
    static constexpr long long kClampAt = std::numeric_limits<int>::max();
    // Past the end reads as a character that is neither digit, sign, comma nor blank.
    char At(std::size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }
    static bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
    static bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
    void SkipBlanks() {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
            ++m_pos;
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
};

int HexValue(char c) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    const std::size_t at =
        kDigits.find(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::optional<LogFont> DecodeLogFont(const std::string& hex) {
    if (hex.size() != kHexDigits)
        return std::nullopt;
    unsigned char bytes[sizeof(LogFont)];
    for (std::size_t i = 0; i < sizeof bytes; ++i) {
        int hi = HexValue(hex[2 * i]);
        int lo = HexValue(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes[i] = static_cast<unsigned char>(hi * 16 + lo);
    }
    LogFont f;
    std::memcpy(&f, bytes, sizeof f);
    return f;
}

}  // namespace

std::string FormatFontRecord(const PrinterFont& font) {
    std::string text = std::to_string(font.size) + ",0,0,0,";
    unsigned char bytes[sizeof(LogFont)];
    std::memcpy(bytes, &font.font, sizeof bytes);
    static constexpr char kHex[] = "0123456789abcdef";
    for (unsigned char b : bytes) {
        text += kHex[b >> 4];
        text += kHex[b & 0x0F];
    }
    return text;
}

void ParseFontRecord(const std::string& text, FontSizeRange range, PrinterFont& font) {
    if (text.size() >= kMaxRecordText)
        return;
    FieldScanner scan(text);
    std::optional<int> size = scan.Number();
    if (!size)
        return;
    if (*size >= range.min && *size <= range.max)
        font.size = *size;
    for (int i = 0; i < 3; ++i) {
        if (!scan.Comma() || !scan.Number())
            return;
    }
    if (!scan.Comma())
        return;
    if (auto hex = scan.Word()) {
        if (auto record = DecodeLogFont(*hex))
            font.font = *record;
    }
}

}  // namespace klv
