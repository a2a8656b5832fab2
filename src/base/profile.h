#pragma once

#include <string>

namespace klv {

// The settings file with private-profile semantics: section and key names match without
// regard to case, lines the program does not know stay where they are, every read goes to
// the file (no cache, so defaults apply on every read) and every write reaches the disk at once.
class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(std::string path) : m_path(std::move(path)) {}

    void SetPath(std::string path) { m_path = std::move(path); }
    const std::string& Path() const { return m_path; }

    // A value that does not start with a decimal number reads as 0; a missing key as `def`.
    int GetProfileInt(const std::string& section, const std::string& key, int def) const;
    // At most maxChars characters of the value are returned.
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def, std::size_t maxChars = 4095) const;
    bool HasProfileKey(const std::string& section, const std::string& key) const;

    bool WriteProfileInt(const std::string& section, const std::string& key, int value);
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value);
    // The private-profile write with a null value: the key line is removed.
    bool DeleteProfileKey(const std::string& section, const std::string& key);

private:
    std::string m_path;
};

}  // namespace klv
