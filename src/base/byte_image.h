#pragma once

#include <bit>
#include <cstring>
#include <type_traits>
#include <vector>

namespace klv {

static_assert(std::endian::native == std::endian::little,
              "stored records are little-endian byte images of the structs");

// Records are copied to and from their file bytes, never reinterpreted in place.
template <typename Record>
std::vector<unsigned char> ToBytes(const Record& r) {
    static_assert(std::is_trivially_copyable_v<Record>);
    std::vector<unsigned char> bytes(sizeof(Record));
    std::memcpy(bytes.data(), &r, sizeof(Record));
    return bytes;
}

template <typename Record>
Record FromBytes(const unsigned char* bytes) {
    static_assert(std::is_trivially_copyable_v<Record>);
    Record r;
    std::memcpy(&r, bytes, sizeof(Record));
    return r;
}

}  // namespace klv
