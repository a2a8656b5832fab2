#include "base/ui/text_codec.h"

namespace klv {
namespace {

TextCodec& ProcessCodec() {
    static TextCodec codec(ProgramCharset().Name());
    return codec;
}

}  // namespace

TextCodec::TextCodec(std::string charset) : m_charset(std::move(charset)) {}

bool TextCodec::IsUsable() const {
    return m_charset.IsUsable();
}

QString TextCodec::ToQString(const std::string& bytes) const {
    const std::string utf8 = m_charset.ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string TextCodec::FromQString(const QString& text) const {
    const QByteArray utf8 = text.toUtf8();
    return m_charset.FromUtf8(std::string_view(utf8.constData(), utf8.size()));
}

const TextCodec& UiTextCodec() {
    return ProcessCodec();
}

bool SetUiCharset(const std::string& charset) {
    if (!SetProgramCharset(charset))
        return false;
    ProcessCodec() = TextCodec(charset);
    return true;
}

}  // namespace klv
