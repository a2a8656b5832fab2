#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace klv::test {

namespace {

std::string TestTempRoot() {
    const char* base = std::getenv("KLV_TEST_TMP");
    return base && *base ? base : std::filesystem::temp_directory_path().string();
}

}  // namespace

TempDir::TempDir() : TempDir(std::string()) {}

TempDir::TempDir(const std::string& rootOrEmpty) {
    const std::string root = rootOrEmpty.empty() ? TestTempRoot() : rootOrEmpty;
    std::filesystem::create_directories(root);
    std::string pattern = root + "/klvXXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void WriteTestFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadTestFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace klv::test
