#pragma once

#include <string>

#include "output/raw_printer_queue.h"

namespace klv {

// The platform's printer queues: every document is one raw job of the CUPS server the
// environment names (CUPS_SERVER), else the local one.
class CCupsPrinterQueue final : public RawPrinterQueue {
public:
    CCupsPrinterQueue() = default;
    ~CCupsPrinterQueue() override { Close(); }
    CCupsPrinterQueue(const CCupsPrinterQueue&) = delete;
    CCupsPrinterQueue& operator=(const CCupsPrinterQueue&) = delete;

    bool Open(const std::string& name) override;
    bool StartDocument(const std::string& documentName) override;
    bool Write(std::span<const std::uint8_t> bytes) override;
    bool EndDocument() override;
    void Close() override;

private:
    std::string m_name;
    int m_job = 0;
};

}  // namespace klv
