#pragma once

#include <cstdint>
#include <string>

#include "base/profile.h"
#include "device/libusb/libusb_transfer.h"
#include "device/libusb/pipe_transfers.h"
#include "device/usb_device_ids.h"
#include "device/usb_platform.h"

struct libusb_context;
struct libusb_device_handle;

namespace klv {

// The instrument through libusb-1.0, found by the vendor and product id of the settings
// file (section "USB", keys "VendorId" and "ProductId", hexadecimal).
class LibUsbPlatform final : public UsbPlatform {
public:
    explicit LibUsbPlatform(const ProfileFile& profile);
    ~LibUsbPlatform() override;
    LibUsbPlatform(const LibUsbPlatform&) = delete;
    LibUsbPlatform& operator=(const LibUsbPlatform&) = delete;

    UsbOpenResult Open() override;
    void Close() override;
    bool GetDeviceDescriptor(UsbDeviceDescriptor& out) override;
    bool QueryEndpoints(std::vector<UsbEndpointInfo>& out) override;
    bool BeginTransfer(std::uint8_t pipe, const std::uint8_t* data, std::uint32_t length) override;
    UsbIo PollTransfer(std::uint8_t pipe, std::uint32_t& transferred, std::uint8_t* into) override;
    void FlushPipe(std::uint8_t pipe) override;
    int LastError() override { return m_lastError; }

private:
    using Pipe = CPipeTransfers<CLibUsbTransfer>;
    Pipe& PipeOf(std::uint8_t pipe) { return (pipe & 0x80) ? m_in : m_out; }
    void Abandon(Pipe& pipe);

    const ProfileFile& m_profile;
    libusb_context* m_context = nullptr;
    libusb_device_handle* m_handle = nullptr;
    int m_interface = 0;
    int m_lastError = 0;
    Pipe m_in;
    Pipe m_out;
};

}  // namespace klv
