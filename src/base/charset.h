#pragma once

#include <string>
#include <string_view>

namespace klv {

// The single-byte text of files, serial lines and records against UTF-8. Bytes or characters
// the charset cannot carry become "?", so nothing stops a conversion.
class Charset {
public:
    static constexpr const char* kDefaultName = "WINDOWS-1252";

    explicit Charset(std::string name = kDefaultName);
    const std::string& Name() const { return m_name; }
    // False when the system's converter does not know the charset.
    bool IsUsable() const;

    std::string ToUtf8(std::string_view bytes) const;
    std::string FromUtf8(std::string_view utf8) const;

private:
    std::string m_name;
};

// The program's one charset, which every window, report and record converts through; a copy,
// as the recorder's worker thread asks for it too.
Charset ProgramCharset();
// Changes it; an unknown charset is refused and the old one stays.
bool SetProgramCharset(const std::string& name);

}  // namespace klv
