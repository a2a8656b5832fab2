#pragma once

#include <cstdint>
#include <vector>

namespace klv {

struct UsbDeviceDescriptor {
    std::uint16_t bcdUSB = 0;
    std::uint8_t bDeviceClass = 0;
    std::uint8_t bDeviceSubClass = 0;
    std::uint8_t bDeviceProtocol = 0;
    std::uint8_t bMaxPacketSize0 = 0;
    std::uint16_t idVendor = 0;
    std::uint16_t idProduct = 0;
    std::uint16_t bcdDevice = 0;
    std::uint8_t bNumConfigurations = 0;
};

struct UsbEndpointInfo {
    std::uint8_t address = 0;
    std::uint8_t attributes = 0;  // bits 0-1: transfer type, 2 = bulk
    bool IsBulk() const { return (attributes & 0x03) == 0x02; }
};

struct UsbOpenResult {
    enum Kind { Opened, NotFound, Failed } kind = NotFound;
    int error = 0;  // the platform's error code when Failed
};

enum class UsbIo { Done, Pending, Failed };

// The instrument as the operating system offers it. One transfer per pipe at a time; the
// transport times and cancels them, so nothing here blocks for long. The platform keeps no
// pointer into the caller's memory: a transfer the bus has not given back yet can never
// write into a buffer its caller has left.
class UsbPlatform {
public:
    virtual ~UsbPlatform() = default;
    virtual UsbOpenResult Open() = 0;
    virtual void Close() = 0;
    virtual bool GetDeviceDescriptor(UsbDeviceDescriptor& out) = 0;
    // The endpoints of alternate setting 0 of the claimed interface.
    virtual bool QueryEndpoints(std::vector<UsbEndpointInfo>& out) = 0;
    // Starts a transfer of `length` bytes on `pipe` (bit 7 set = IN). The bytes of an OUT
    // transfer are copied from `data`; an IN transfer ignores it.
    virtual bool BeginTransfer(std::uint8_t pipe, const std::uint8_t* data,
                               std::uint32_t length) = 0;
    // Never waits. Once Done, `transferred` is valid and an IN transfer's bytes are copied
    // into `into`, which has room for the length asked.
    virtual UsbIo PollTransfer(std::uint8_t pipe, std::uint32_t& transferred,
                               std::uint8_t* into) = 0;
    // Cancels the outstanding transfer, drops what the pipe holds and clears a halt.
    virtual void FlushPipe(std::uint8_t pipe) = 0;
    virtual int LastError() = 0;
};

}  // namespace klv
