#include "base/profile.h"

#include <cctype>
#include <cstdlib>
#include <optional>
#include <vector>

#include "base/file_io.h"

namespace klv {
namespace {

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

struct IniText {
    std::vector<std::string> lines;  // without line ends
    std::string eol = "\r\n";
};

// A file that exists but cannot be read must not be replaced by a write, or every other
// setting in it would be lost; `readable` tells the writers.
IniText Load(const std::string& path, bool* readable = nullptr) {
    IniText ini;
    std::string text;
    if (readable)
        *readable = !path.empty();
    if (ReadWholeFile(path, text) != FileReadResult::Ok) {
        if (readable)
            *readable = !FileExists(path) && !DirectoryExists(path);
        return ini;
    }
    if (text.find("\r\n") == std::string::npos && text.find('\n') != std::string::npos)
        ini.eol.assign(1, '\n');  // a literal assign trips a false GCC 12 -Wrestrict at -O2
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ini.lines.push_back(line);
        if (nl == std::string::npos)
            break;
        pos = nl + 1;
    }
    return ini;
}

bool Save(const std::string& path, const IniText& ini) {
    std::string text;
    for (const auto& line : ini.lines) {
        text += line;
        text += ini.eol;
    }
    return WriteFileAtomically(path, text.data(), text.size()) == FileWriteResult::Ok;
}

std::optional<std::string> SectionName(const std::string& line) {
    std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    auto close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// Key of a "key=value" line, or nullopt for comments and other lines.
std::optional<std::string> KeyName(const std::string& line) {
    std::string t = Trim(line);
    if (t.empty() || t.front() == ';')
        return std::nullopt;
    auto eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return Trim(t.substr(0, eq));
}

struct Location {
    std::optional<std::size_t> section;  // line of the section header
    std::optional<std::size_t> key;      // line of the key
    std::size_t insertAt = 0;            // after the last non-blank line of the section
};

Location Find(const IniText& ini, const std::string& section, const std::string& key) {
    Location loc;
    bool inside = false;
    for (std::size_t i = 0; i < ini.lines.size(); ++i) {
        if (auto name = SectionName(ini.lines[i])) {
            if (inside)
                break;
            if (SameName(*name, section)) {
                inside = true;
                loc.section = i;
                loc.insertAt = i + 1;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!Trim(ini.lines[i]).empty())
            loc.insertAt = i + 1;
        if (auto k = KeyName(ini.lines[i]); k && SameName(*k, key)) {
            loc.key = i;
            break;
        }
    }
    return loc;
}

// A line break would split the line and plant a foreign key in the file.
bool IsSingleLine(const std::string& s) {
    return s.find_first_of("\r\n") == std::string::npos;
}

bool IsWritableName(const std::string& section, const std::string& key) {
    return !section.empty() && !key.empty() && IsSingleLine(section) && IsSingleLine(key) &&
           section.find(']') == std::string::npos && key.find('=') == std::string::npos &&
           Trim(key) == key && Trim(section) == section;
}

std::string ValueOf(const std::string& line) {
    std::string v = Trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// Sets or removes one key in the image; false when the image did not change.
bool Apply(IniText& ini, const std::string& section, const std::string& key,
           const std::optional<std::string>& value) {
    Location loc = Find(ini, section, key);
    if (!value) {
        if (!loc.key)
            return false;
        ini.lines.erase(ini.lines.begin() + static_cast<long>(*loc.key));
        return true;
    }
    if (loc.key) {
        std::string line = ini.lines[*loc.key];
        ini.lines[*loc.key] = Trim(line.substr(0, line.find('='))) + "=" + *value;
    } else if (loc.section) {
        ini.lines.insert(ini.lines.begin() + static_cast<long>(loc.insertAt), key + "=" + *value);
    } else {
        if (!ini.lines.empty() && !Trim(ini.lines.back()).empty())
            ini.lines.push_back("");
        ini.lines.push_back("[" + section + "]");
        ini.lines.push_back(key + "=" + *value);
    }
    return true;
}

// The file as a read sees it: with the writes a batch still keeps.
IniText Current(const std::string& path, const std::vector<ProfileWrite>& pending) {
    IniText ini = Load(path);
    for (const auto& w : pending)
        Apply(ini, w.section, w.key, w.value);
    return ini;
}

}  // namespace

std::string ProfileFile::GetProfileString(const std::string& section, const std::string& key,
                                          const std::string& def, std::size_t maxChars) const {
    IniText ini = Current(m_path, m_pending);
    Location loc = Find(ini, section, key);
    std::string value = loc.key ? ValueOf(ini.lines[*loc.key]) : def;
    if (value.size() > maxChars)
        value.resize(maxChars);
    return value;
}

bool ProfileFile::HasProfileKey(const std::string& section, const std::string& key) const {
    IniText ini = Current(m_path, m_pending);
    return Find(ini, section, key).key.has_value();
}

int ProfileFile::GetProfileInt(const std::string& section, const std::string& key, int def) const {
    IniText ini = Current(m_path, m_pending);
    Location loc = Find(ini, section, key);
    if (!loc.key)
        return def;
    std::string v = ValueOf(ini.lines[*loc.key]);
    std::size_t i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+'))
        negative = v[i++] == '-';
    long long n = 0;
    while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]))) {
        n = n * 10 + (v[i++] - '0');
        if (n > 0xFFFFFFFFLL)
            n = 0xFFFFFFFFLL;
    }
    if (negative)
        n = -n;
    return static_cast<int>(static_cast<unsigned int>(n));
}

bool ProfileFile::WriteProfileString(const std::string& section, const std::string& key,
                                     const std::string& value) {
    if (!IsWritableName(section, key) || !IsSingleLine(value))
        return false;
    return Write(section, key, value);
}

bool ProfileFile::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool ProfileFile::DeleteProfileKey(const std::string& section, const std::string& key) {
    return Write(section, key, std::nullopt);
}

bool ProfileFile::Write(const std::string& section, const std::string& key,
                        std::optional<std::string> value) {
    if (m_batchDepth > 0) {
        m_pending.push_back({section, key, std::move(value)});
        return true;
    }
    bool readable = false;
    IniText ini = Load(m_path, &readable);
    if (!readable)
        return false;
    return !Apply(ini, section, key, value) || Save(m_path, ini);
}

void ProfileFile::BeginBatch() {
    ++m_batchDepth;
}

bool ProfileFile::EndBatch() {
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return true;
    std::vector<ProfileWrite> pending;
    pending.swap(m_pending);
    bool readable = false;
    IniText ini = Load(m_path, &readable);
    if (!readable)
        return false;
    bool changed = false;
    for (const auto& w : pending)
        changed = Apply(ini, w.section, w.key, w.value) || changed;
    return !changed || Save(m_path, ini);
}

}  // namespace klv
