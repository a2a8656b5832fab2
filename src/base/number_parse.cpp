#include "base/number_parse.h"

#include <cstdlib>
#include <string>

namespace klv {

namespace {

constexpr std::size_t kMaxTextLength = 19;
constexpr int kMaxIntegerDigits = 9;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

struct NumberText {
    std::string compact;  // sign and digits without blanks, ready for the C conversion
    bool fractionDigits = false;
};

std::optional<NumberText> Scan(std::string_view text) {
    if (text.size() > kMaxTextLength)
        return std::nullopt;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    NumberText r;
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        r.compact += text[i++];
        // The C conversions stop at a blank behind the sign and would read such a number as 0.
        skipBlanks();
    }
    int integerDigits = 0;
    int digits = 0;
    bool point = false;
    for (; i < text.size() && !IsBlank(text[i]); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (point)
                r.fractionDigits = true;
            else
                ++integerDigits;
        } else {
            return std::nullopt;
        }
        r.compact += c;
    }
    skipBlanks();
    if (i != text.size() || digits == 0 || integerDigits > kMaxIntegerDigits)
        return std::nullopt;
    return r;
}

}  // namespace

std::optional<int> ParseInt(std::string_view text) {
    std::optional<NumberText> n = Scan(text);
    if (!n || n->fractionDigits)
        return std::nullopt;
    return static_cast<int>(std::strtol(n->compact.c_str(), nullptr, 10));
}

std::optional<double> ParseFloat(std::string_view text) {
    std::optional<NumberText> n = Scan(text);
    if (!n)
        return std::nullopt;
    return std::strtod(n->compact.c_str(), nullptr);
}

}  // namespace klv
