#include "device/libusb_platform.h"

#include <libusb-1.0/libusb.h>

#include <cctype>

#include "base/line_log.h"

namespace klv {

namespace {
constexpr int kFlushWaitRounds = 50;  // × 10 ms for a cancelled transfer to come back

void LIBUSB_CALL OnTransferDone(libusb_transfer* transfer) {
    *static_cast<int*>(transfer->user_data) = 1;
}
}  // namespace

std::uint16_t ParseUsbId(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0)
        i += 2;
    unsigned value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'a' + 10);
        if (value > 0xFFFF)
            return 0;
    }
    return digits ? static_cast<std::uint16_t>(value) : 0;
}

LibUsbPlatform::LibUsbPlatform(const ProfileFile& profile) : m_profile(profile) {
    m_lastError = libusb_init(&m_context);
    if (m_lastError != 0)
        m_context = nullptr;
}

LibUsbPlatform::~LibUsbPlatform() {
    Close();
    if (m_context)
        libusb_exit(m_context);
}

UsbOpenResult LibUsbPlatform::Open() {
    Close();
    if (!m_context)
        return {UsbOpenResult::Failed, m_lastError};
    std::uint16_t vid = ParseUsbId(m_profile.GetProfileString("USB", "VendorId", ""));
    std::uint16_t pid = ParseUsbId(m_profile.GetProfileString("USB", "ProductId", ""));
    libusb_device** list = nullptr;
    ssize_t count = libusb_get_device_list(m_context, &list);
    if (count < 0)
        return {UsbOpenResult::Failed, static_cast<int>(count)};
    libusb_device* found = nullptr;
    for (ssize_t i = 0; i < count && !found; ++i) {
        libusb_device_descriptor d{};
        if (libusb_get_device_descriptor(list[i], &d) == 0 && d.idVendor == vid &&
            d.idProduct == pid)
            found = list[i];
    }
    UsbOpenResult result{UsbOpenResult::NotFound, 0};
    if (found) {
        int rc = libusb_open(found, &m_handle);
        libusb_config_descriptor* config = nullptr;
        if (rc == 0)
            rc = libusb_get_active_config_descriptor(found, &config);
        if (rc == 0) {
            m_interface =
                config->bNumInterfaces ? config->interface[0].altsetting[0].bInterfaceNumber : 0;
            libusb_free_config_descriptor(config);
            if (libusb_kernel_driver_active(m_handle, m_interface) == 1)
                libusb_detach_kernel_driver(m_handle, m_interface);
            rc = libusb_claim_interface(m_handle, m_interface);
        }
        if (rc == 0) {
            result.kind = UsbOpenResult::Opened;
        } else {
            if (m_handle)
                libusb_close(m_handle);
            m_handle = nullptr;
            m_lastError = rc;
            result = {UsbOpenResult::Failed, rc};
        }
    }
    libusb_free_device_list(list, 1);
    return result;
}

void LibUsbPlatform::Close() {
    Abandon(m_in);
    Abandon(m_out);
    if (!m_handle)
        return;
    libusb_release_interface(m_handle, m_interface);
    libusb_close(m_handle);
    m_handle = nullptr;
}

bool LibUsbPlatform::GetDeviceDescriptor(UsbDeviceDescriptor& out) {
    if (!m_handle)
        return false;
    libusb_device_descriptor d{};
    if (libusb_get_device_descriptor(libusb_get_device(m_handle), &d) != 0)
        return false;
    out = {d.bcdUSB,   d.bDeviceClass, d.bDeviceSubClass, d.bDeviceProtocol,   d.bMaxPacketSize0,
           d.idVendor, d.idProduct,    d.bcdDevice,       d.bNumConfigurations};
    return true;
}

bool LibUsbPlatform::QueryEndpoints(std::vector<UsbEndpointInfo>& out) {
    out.clear();
    if (!m_handle)
        return false;
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(libusb_get_device(m_handle), &config) != 0)
        return false;
    bool ok = config->bNumInterfaces > 0 && config->interface[0].num_altsetting > 0;
    if (ok) {
        const libusb_interface_descriptor& alt = config->interface[0].altsetting[0];
        for (int i = 0; i < alt.bNumEndpoints; ++i)
            out.push_back({alt.endpoint[i].bEndpointAddress, alt.endpoint[i].bmAttributes});
    }
    libusb_free_config_descriptor(config);
    return ok;
}

void LibUsbPlatform::HandleEvents(int* completed) {
    timeval zero{0, 0};
    libusb_handle_events_timeout_completed(m_context, &zero, completed);
}

bool LibUsbPlatform::BeginTransfer(std::uint8_t pipe, std::uint8_t* data, std::uint32_t length) {
    Slot& slot = SlotOf(pipe);
    if (!m_handle || slot.busy)
        return false;
    if (!slot.transfer)
        slot.transfer = libusb_alloc_transfer(0);
    if (!slot.transfer)
        return false;
    slot.completed = 0;
    // The transport times the transfer itself; libusb's own limit is a backstop.
    libusb_fill_bulk_transfer(slot.transfer, m_handle, pipe, data, static_cast<int>(length),
                              OnTransferDone, &slot.completed, 0);
    m_lastError = libusb_submit_transfer(slot.transfer);
    slot.busy = m_lastError == 0;
    return slot.busy;
}

UsbIo LibUsbPlatform::PollTransfer(std::uint8_t pipe, std::uint32_t& transferred) {
    Slot& slot = SlotOf(pipe);
    if (!slot.busy)
        return UsbIo::Failed;
    HandleEvents(&slot.completed);
    if (!slot.completed)
        return UsbIo::Pending;
    slot.busy = false;
    transferred = static_cast<std::uint32_t>(slot.transfer->actual_length);
    m_lastError = slot.transfer->status;
    return slot.transfer->status == LIBUSB_TRANSFER_COMPLETED ? UsbIo::Done : UsbIo::Failed;
}

void LibUsbPlatform::Abandon(Slot& slot) {
    if (slot.busy && libusb_cancel_transfer(slot.transfer) == 0) {
        for (int i = 0; i < kFlushWaitRounds && !slot.completed; ++i) {
            timeval tenMs{0, 10000};
            libusb_handle_events_timeout_completed(m_context, &tenMs, &slot.completed);
        }
    }
    slot.busy = false;
    if (slot.transfer && slot.completed) {
        libusb_free_transfer(slot.transfer);
        slot.transfer = nullptr;
    }
    // A transfer that never came back stays allocated: freeing it could crash libusb.
    if (slot.transfer && !slot.completed)
        slot.transfer = nullptr;
}

void LibUsbPlatform::FlushPipe(std::uint8_t pipe) {
    Abandon(SlotOf(pipe));
    if (m_handle)
        libusb_clear_halt(m_handle, pipe);
}

}  // namespace klv
