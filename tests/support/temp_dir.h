#pragma once

#include <string>

namespace klv::test {

// A fresh folder for one test, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    // Inside `root` rather than the tests' own temporary folder ("" for that one).
    explicit TempDir(const std::string& root);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending with "/".
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

// Writes bytes to a file, replacing it (test set-up only).
void WriteTestFile(const std::string& path, const std::string& bytes);
std::string ReadTestFile(const std::string& path);

}  // namespace klv::test
