#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace klv {

// Single-byte, NUL-terminated text fields of the stored records. The bytes after the
// terminator are zero, so equal texts give equal file images.
template <std::size_t N>
void SetFixedText(char (&field)[N], std::string_view text, std::size_t maxChars = N - 1) {
    static_assert(N > 0);
    std::size_t n = text.size();
    if (n > maxChars)
        n = maxChars;
    if (n > N - 1)
        n = N - 1;
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), n);
}

template <std::size_t N>
std::string GetFixedText(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0')
        ++n;
    return std::string(field, n);
}

}  // namespace klv
