#pragma once

#include <optional>
#include <string>
#include <vector>

namespace klv {

// One write kept by a batch.
struct ProfileWrite {
    std::string section;
    std::string key;
    std::optional<std::string> value;  // none removes the key
};

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

    // Between these calls writes only check their names and are kept in order; reads see them.
    // The outermost EndBatch applies them to the file as it is then, in one atomic rewrite, so
    // other writers' keys survive. False when that rewrite failed: the file stays as it was.
    void BeginBatch();
    bool EndBatch();

private:
    bool Write(const std::string& section, const std::string& key,
               std::optional<std::string> value);

    std::string m_path;
    int m_batchDepth = 0;
    std::vector<ProfileWrite> m_pending;
};

// One step's writes as one rewrite of the settings file; ends the batch when it goes.
class ProfileBatch {
public:
    explicit ProfileBatch(ProfileFile& ini) : m_ini(ini) { m_ini.BeginBatch(); }
    ~ProfileBatch() { Commit(); }
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // The result of the rewrite; later calls repeat it.
    bool Commit() {
        if (!m_done) {
            m_done = true;
            m_ok = m_ini.EndBatch();
        }
        return m_ok;
    }

private:
    ProfileFile& m_ini;
    bool m_done = false;
    bool m_ok = false;
};

}  // namespace klv
