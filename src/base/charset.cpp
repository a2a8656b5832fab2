#include "base/charset.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace klv {
namespace {

// One conversion; a character the target cannot take, or an invalid input sequence, becomes
// "?" (one byte skipped, or one UTF-8 sequence when the input is UTF-8).
std::string Convert(const std::string& from, const std::string& to, std::string_view input,
                    bool fromUtf8) {
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    // Only charsets the converter knows are accepted, so this is a broken system.
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(input);
    std::string out;
    char buffer[256];
    std::string copy(input);
    char* in = copy.data();
    std::size_t inLeft = copy.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: replace one character and go on.
        std::size_t skip = 1;
        if (fromUtf8) {
            auto lead = static_cast<unsigned char>(*in);
            skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (skip > inLeft)
                skip = inLeft;
        }
        in += skip;
        inLeft -= skip;
        out += '?';
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    ::iconv_close(cd);
    return out;
}

// The recorder's worker converts while the UI thread may change the charset.
std::mutex& ProgramCharsetMutex() {
    static std::mutex mutex;
    return mutex;
}

Charset& ProgramCharsetSlot() {
    static Charset charset;
    return charset;
}

}  // namespace

Charset::Charset(std::string name) : m_name(std::move(name)) {}

bool Charset::IsUsable() const {
    iconv_t cd = ::iconv_open("UTF-8", m_name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    ::iconv_close(cd);
    return true;
}

std::string Charset::ToUtf8(std::string_view bytes) const {
    return Convert(m_name, "UTF-8", bytes, false);
}

std::string Charset::FromUtf8(std::string_view utf8) const {
    return Convert("UTF-8", m_name, utf8, true);
}

Charset ProgramCharset() {
    std::lock_guard lock(ProgramCharsetMutex());
    return ProgramCharsetSlot();
}

bool SetProgramCharset(const std::string& name) {
    Charset candidate(name);
    if (!candidate.IsUsable())
        return false;
    std::lock_guard lock(ProgramCharsetMutex());
    ProgramCharsetSlot() = candidate;
    return true;
}

}  // namespace klv
