#include "base/number_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace klv {

namespace {

std::string Nines(int width, bool negative) {
    std::string s(static_cast<std::size_t>(width), '9');
    if (negative && width > 0)
        s[0] = '-';
    return s;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Texts of values that are not numbers: "1.#INF" and "1.#QNAN" of one C library, "inf" and
// "nan" of others. A number's text has no letters.
bool IsNotANumber(std::string_view text) {
    for (char c : text) {
        if (c == '#' || c == '$' || std::isalpha(static_cast<unsigned char>(c)) != 0)
            return true;
    }
    return false;
}

// Characters before the decimal point, sign included; the whole text without a point.
std::size_t IntegerWidth(std::string_view text) {
    const auto point = text.find('.');
    return point == std::string_view::npos ? text.size() : point;
}

// Adds one unit at the last character of s, carrying through digits across the point.
void CarryIntoLast(std::string& s) {
    for (std::size_t i = s.size(); i-- > 0;) {
        const char c = s[i];
        if (c == '.')
            continue;
        if (c < '0' || c > '9') {
            s.insert(i + 1, 1, '1');  // behind the sign
            return;
        }
        if (c != '9') {
            s[i] = static_cast<char>(c + 1);
            return;
        }
        s[i] = '0';
    }
    s.insert(0, 1, '1');
}

void DropTrailingZeros(std::string& s) {
    if (s.find('.') == std::string::npos)
        return;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
}

}  // namespace

std::string FitNumberText(std::string_view text, int width) {
    if (width <= 0)
        return {};
    const std::string_view t = Trim(text);
    const auto w = static_cast<std::size_t>(width);
    const bool negative = !t.empty() && t[0] == '-';
    if (IsNotANumber(t))
        return Nines(width, negative);
    if (t.size() <= w)
        return std::string(w - t.size(), ' ') + std::string(t);
    if (t.find('.') == std::string_view::npos || IntegerWidth(t) > w)
        return Nines(width, negative);
    std::string cut(t.substr(0, w));
    if (cut.back() == '.') {
        cut.pop_back();
        cut.insert(0, 1, ' ');
    }
    return cut;
}

std::string FormatFixed(double value, int decimals) {
    const int precision = decimals < 0 ? kPrintfDecimals : decimals;
    // The shortest round trip is not printf's: to_chars with a precision gives the same exact
    // decimal expansion, rounded the same way, without parsing a format every time.
    char text[512];
    if (std::isfinite(value)) {
        const std::to_chars_result r =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision);
        if (r.ec == std::errc())
            return std::string(text, r.ptr);
    }
    std::snprintf(text, sizeof text, "%.*f", precision, value);
    return text;
}

std::string FormatNumberWidth(double value, int width) {
    if (width <= 0)
        return {};
    // In double: the factors for the wider fields are below float resolution.
    const double factor = width <= 6 ? 1.0000001 : width == 7 ? 1.00000001 : 1.000000001;
    const double x = value * factor;
    const bool negative = std::signbit(x) && x != 0.0;
    if (!std::isfinite(x))
        return Nines(width, negative);
    std::string s = FormatFixed(x, kPrintfDecimals);
    const auto w = static_cast<std::size_t>(width);
    while (s.size() > w) {
        if (IntegerWidth(s) > w)
            return Nines(width, negative);
        std::size_t decide = w;
        if (s[decide] == '.')
            ++decide;
        const bool up = decide < s.size() && s[decide] >= '5';
        s.resize(w);
        if (up)
            CarryIntoLast(s);
    }
    if (IntegerWidth(s) > w)
        return Nines(width, negative);
    DropTrailingZeros(s);
    if (s == "-0" || s == "-")
        s = "0";
    return s;
}

std::string FormatPercent(double value, bool aligned) {
    std::string magnitude = FitNumberText(FormatNumberWidth(std::fabs(value), 4), 4);
    // A value that shows as zero gets no sign, also when it is a tiny negative one.
    const bool zero = Trim(magnitude) == "0";
    const char sign = zero ? ' ' : value < 0.0 ? '-' : '+';
    if (!aligned)
        magnitude = std::string(Trim(magnitude));
    return sign + magnitude + "%";
}

}  // namespace klv
