#include "device/libusb/libusb_transfer.h"

#include <libusb-1.0/libusb.h>

#include <algorithm>

namespace klv {

namespace {
void LIBUSB_CALL OnTransferDone(libusb_transfer* transfer) {
    *static_cast<int*>(transfer->user_data) = 1;
}
}  // namespace

CLibUsbTransfer::CLibUsbTransfer(libusb_device_handle* handle, std::uint8_t endpoint,
                                 const std::uint8_t* out, std::uint32_t length)
    : m_buffer(length), m_transfer(libusb_alloc_transfer(0)) {
    if (out != nullptr && (endpoint & LIBUSB_ENDPOINT_IN) == 0)
        std::copy(out, out + length, m_buffer.begin());
    // The transport times the transfer itself; libusb's own limit is a backstop.
    if (m_transfer)
        libusb_fill_bulk_transfer(m_transfer, handle, endpoint, m_buffer.data(),
                                  static_cast<int>(length), OnTransferDone, &m_completed, 0);
}

CLibUsbTransfer::~CLibUsbTransfer() {
    libusb_free_transfer(m_transfer);
}

int CLibUsbTransfer::Submit() {
    m_completed = 0;
    const int rc = libusb_submit_transfer(m_transfer);
    m_submitted = rc == 0;
    return rc;
}

int CLibUsbTransfer::Cancel() {
    return libusb_cancel_transfer(m_transfer);
}

int CLibUsbTransfer::Status() const {
    return m_transfer->status;
}

std::uint32_t CLibUsbTransfer::Transferred() const {
    return static_cast<std::uint32_t>(std::max(m_transfer->actual_length, 0));
}

}  // namespace klv
