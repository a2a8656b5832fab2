#pragma once

#include <array>
#include <cstddef>

namespace klv {

// Row `code` of a table indexed by code, or the empty row 0 for a code the table does not
// have: codes come from files and may be garbage.
template <typename Row, std::size_t N>
const Row& TableRow(const std::array<Row, N>& table, int code) {
    static_assert(N > 0);
    if (code < 1 || static_cast<std::size_t>(code) >= N)
        return table[0];
    return table[static_cast<std::size_t>(code)];
}

}  // namespace klv
