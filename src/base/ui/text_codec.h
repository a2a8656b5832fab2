#pragma once

#include <QString>
#include <string>

namespace klv {

// The single-byte text of files, serial lines and records, converted at the ui boundary.
// Bytes or characters the charset cannot carry become "?", so nothing stops a conversion.
class TextCodec {
public:
    static constexpr const char* kDefaultCharset = "WINDOWS-1252";

    explicit TextCodec(std::string charset = kDefaultCharset);
    const std::string& Charset() const { return m_charset; }
    // False when the system's converter does not know the charset.
    bool IsUsable() const;

    QString ToQString(const std::string& bytes) const;
    std::string FromQString(const QString& text) const;

private:
    std::string m_charset;
};

// The program's one codec; every window converts through these.
const TextCodec& UiTextCodec();
// Changes the program's codec; an unknown charset is refused and the old one stays.
bool SetUiCharset(const std::string& charset);

inline QString ToQString(const std::string& bytes) {
    return UiTextCodec().ToQString(bytes);
}
inline std::string FromQString(const QString& text) {
    return UiTextCodec().FromQString(text);
}

}  // namespace klv
