#pragma once

#include <QString>
#include <string>

#include "base/charset.h"

namespace klv {

// The single-byte text of files, serial lines and records, converted at the ui boundary through
// a Charset.
class TextCodec {
public:
    static constexpr const char* kDefaultCharset = klv::Charset::kDefaultName;

    explicit TextCodec(std::string charset = kDefaultCharset);
    const std::string& Charset() const { return m_charset.Name(); }
    // False when the system's converter does not know the charset.
    bool IsUsable() const;

    QString ToQString(const std::string& bytes) const;
    std::string FromQString(const QString& text) const;

private:
    klv::Charset m_charset;
};

// The program's one codec; every window converts through these.
const TextCodec& UiTextCodec();
// Changes the program's charset, for the records too; an unknown one is refused and the old one
// stays.
bool SetUiCharset(const std::string& charset);

inline QString ToQString(const std::string& bytes) {
    return UiTextCodec().ToQString(bytes);
}
inline std::string FromQString(const QString& text) {
    return UiTextCodec().FromQString(text);
}

}  // namespace klv
