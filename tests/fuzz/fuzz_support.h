#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "base/operator.h"

namespace klv::fuzz {

// Answers every message with Cancel: a fuzzed file must never wait for an operator.
class CancellingOperator final : public Operator {
public:
    int ShowMessage(const std::string&, MsgIcon, MsgButtons) override { return IDCANCEL; }
};

// One folder per fuzzing process, ending with "/"; the files in it are rewritten per input.
// In memory where the machine has it: every settings write is synced to disk.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern =
            ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/klvfuzzXXXXXX" : "/tmp/klvfuzzXXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            abort();
        return pattern + "/";
    }();
    return folder;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace klv::fuzz
