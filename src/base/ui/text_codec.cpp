#include "base/ui/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace klv {
namespace {

// One conversion; a character the target cannot take, or an invalid input sequence, becomes
// `replacement` (one byte skipped, or one UTF-8 sequence when the input is UTF-8).
std::string Convert(const std::string& from, const std::string& to, const std::string& input,
                    const std::string& replacement, bool fromUtf8) {
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    // Only charsets the converter knows are accepted, so this is a broken system.
    if (cd == reinterpret_cast<iconv_t>(-1))
        return input;
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
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
        out += replacement;
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    ::iconv_close(cd);
    return out;
}

TextCodec& ProcessCodec() {
    static TextCodec codec;
    return codec;
}

}  // namespace

TextCodec::TextCodec(std::string charset) : m_charset(std::move(charset)) {}

bool TextCodec::IsUsable() const {
    iconv_t cd = ::iconv_open("UTF-8", m_charset.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    ::iconv_close(cd);
    return true;
}

QString TextCodec::ToQString(const std::string& bytes) const {
    std::string utf8 = Convert(m_charset, "UTF-8", bytes, "?", false);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string TextCodec::FromQString(const QString& text) const {
    QByteArray utf8 = text.toUtf8();
    return Convert("UTF-8", m_charset, std::string(utf8.constData(), utf8.size()), "?", true);
}

const TextCodec& UiTextCodec() {
    return ProcessCodec();
}

bool SetUiCharset(const std::string& charset) {
    TextCodec candidate(charset);
    if (!candidate.IsUsable())
        return false;
    ProcessCodec() = candidate;
    return true;
}

}  // namespace klv
