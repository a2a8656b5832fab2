#pragma once

#include <cstdio>
#include <string>

#include "output/raw_printer_queue.h"

namespace klv {

// Queues as files of a folder: a queue exists when a regular file of its name does, and each
// document is appended to it.
class CFilePrinterQueue final : public RawPrinterQueue {
public:
    // `folder` ends with "/".
    explicit CFilePrinterQueue(std::string folder) : m_folder(std::move(folder)) {}
    ~CFilePrinterQueue() override { Close(); }
    CFilePrinterQueue(const CFilePrinterQueue&) = delete;
    CFilePrinterQueue& operator=(const CFilePrinterQueue&) = delete;

    bool Open(const std::string& name) override;
    bool StartDocument(const std::string& documentName) override;
    bool Write(std::span<const std::uint8_t> bytes) override;
    bool EndDocument() override;
    void Close() override;

    int Documents() const { return m_documents; }

private:
    std::string m_folder;
    std::string m_path;
    std::FILE* m_file = nullptr;
    int m_documents = 0;
};

}  // namespace klv
