#include "output/file_printer_queue.h"

#include <sys/stat.h>

namespace klv {

bool CFilePrinterQueue::Open(const std::string& name) {
    Close();
    if (name.empty() || name.find('/') != std::string::npos)
        return false;
    const std::string path = m_folder + name;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    m_path = path;
    return true;
}

bool CFilePrinterQueue::StartDocument(const std::string&) {
    if (m_path.empty() || m_file != nullptr)
        return false;
    m_file = std::fopen(m_path.c_str(), "ab");
    return m_file != nullptr;
}

bool CFilePrinterQueue::Write(std::span<const std::uint8_t> bytes) {
    return m_file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
}

bool CFilePrinterQueue::EndDocument() {
    if (m_file == nullptr)
        return false;
    const bool ok = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (ok)
        ++m_documents;
    return ok;
}

void CFilePrinterQueue::Close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_path.clear();
}

}  // namespace klv
