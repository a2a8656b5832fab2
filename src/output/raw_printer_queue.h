#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace klv {

// A printer queue that takes raw bytes: one document at a time, opened by queue name.
class RawPrinterQueue {
public:
    virtual ~RawPrinterQueue() = default;
    // False when no queue of that name can be used.
    virtual bool Open(const std::string& name) = 0;
    virtual bool StartDocument(const std::string& documentName) = 0;
    // True only when every byte was taken.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Hands the document over; false when the queue refused it.
    virtual bool EndDocument() = 0;
    virtual void Close() = 0;
};

// A system without printer queues.
class CNoPrinterQueue final : public RawPrinterQueue {
public:
    bool Open(const std::string&) override { return false; }
    bool StartDocument(const std::string&) override { return false; }
    bool Write(std::span<const std::uint8_t>) override { return false; }
    bool EndDocument() override { return false; }
    void Close() override {}
};

}  // namespace klv
