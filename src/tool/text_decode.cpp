#include "tool/text_decode.h"

#include <iconv.h>

#include <cstdio>

namespace klv::tool {
namespace {

std::string Escape(unsigned char byte) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", byte);
    return buf;
}

class Cp1252Decoder {
public:
    Cp1252Decoder() : m_cd(iconv_open("UTF-8", "WINDOWS-1252")) {}
    ~Cp1252Decoder() {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Cp1252Decoder(const Cp1252Decoder&) = delete;
    Cp1252Decoder& operator=(const Cp1252Decoder&) = delete;

    // One byte of 0x80-0xFF as UTF-8, or "" when the code page has no character for it.
    std::string Decode(unsigned char byte) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return {};
        char in[1] = {static_cast<char>(byte)};
        char out[8];
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return {};
        return std::string(out, sizeof out - outLeft);
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::string DecodeRecordText(std::string_view text) {
    static Cp1252Decoder decoder;
    std::string result;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            result += c;
            continue;
        }
        std::string decoded = byte >= 0x80 ? decoder.Decode(byte) : std::string();
        result += decoded.empty() ? Escape(byte) : decoded;
    }
    return result;
}

}  // namespace klv::tool
