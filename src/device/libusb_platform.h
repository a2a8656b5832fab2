#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "base/profile.h"
#include "device/usb_platform.h"

struct libusb_context;
struct libusb_device_handle;

namespace klv {

struct UsbIds {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

// Section "USB", keys "VendorId" and "ProductId", hexadecimal.
UsbIds ReadUsbIds(const ProfileFile& ini);

// The instrument through libusb-1.0: found by vendor and product id, first interface
// claimed, bulk transfers with libusb's timeouts.
class LibusbPlatform final : public UsbPlatform {
public:
    explicit LibusbPlatform(UsbIds ids);
    ~LibusbPlatform() override;
    LibusbPlatform(const LibusbPlatform&) = delete;
    LibusbPlatform& operator=(const LibusbPlatform&) = delete;

    int Open() override;
    void Close() override;
    bool IsOpen() const override { return m_handle != nullptr; }
    std::string DeviceName() const override { return m_name; }
    bool GetDeviceDescriptor(UsbDeviceDescriptor& descriptor) override;
    bool QueryEndpoints(std::vector<UsbEndpoint>& endpoints) override;
    UsbIo Write(std::uint8_t pipe, const std::uint8_t* data, std::size_t length,
                std::uint32_t timeoutMs, const std::atomic<bool>& quit) override;
    UsbIo Read(std::uint8_t pipe, std::uint8_t* buffer, std::size_t capacity,
               std::uint32_t timeoutMs, const std::atomic<bool>& quit) override;
    void Flush(std::uint8_t pipe) override;

private:
    UsbIo Transfer(std::uint8_t pipe, std::uint8_t* data, std::size_t length,
                   std::uint32_t timeoutMs, const std::atomic<bool>& quit);

    UsbIds m_ids;
    libusb_context* m_context = nullptr;
    libusb_device_handle* m_handle = nullptr;
    bool m_kernelDriverDetached = false;
    std::string m_name;
};

}  // namespace klv
