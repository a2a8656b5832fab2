#pragma once

#include <cstdint>
#include <vector>

struct libusb_device_handle;
struct libusb_transfer;

namespace klv {

// One bulk transfer with the bytes it moves. libusb is given this object's own buffer, so
// whatever it writes lands here, however late the bus gives the transfer back.
class CLibUsbTransfer {
public:
    // `length` bytes on `endpoint`; an OUT transfer's bytes are copied from `out`.
    CLibUsbTransfer(libusb_device_handle* handle, std::uint8_t endpoint, const std::uint8_t* out,
                    std::uint32_t length);
    ~CLibUsbTransfer();
    CLibUsbTransfer(const CLibUsbTransfer&) = delete;
    CLibUsbTransfer& operator=(const CLibUsbTransfer&) = delete;

    // False when libusb could not allocate the transfer.
    bool Valid() const { return m_transfer != nullptr; }
    // 0 or the libusb error. From a successful submit until libusb reports completion the
    // transfer is in flight.
    int Submit();
    int Cancel();
    bool InFlight() const { return m_submitted && !m_completed; }
    // Set by libusb's event handling when the transfer comes back.
    int* CompletionFlag() { return &m_completed; }
    int Status() const;
    std::uint32_t Transferred() const;
    const std::uint8_t* Data() const { return m_buffer.data(); }

private:
    std::vector<std::uint8_t> m_buffer;
    libusb_transfer* m_transfer = nullptr;
    int m_completed = 0;
    bool m_submitted = false;
};

}  // namespace klv
