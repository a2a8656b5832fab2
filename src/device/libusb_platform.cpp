#include "device/libusb_platform.h"

#include <libusb.h>

#include <cstdio>
#include <cstdlib>

namespace klv {

namespace {

std::uint16_t ReadHexKey(const ProfileFile& ini, const char* key) {
    const std::string text = ini.GetProfileString("USB", key, "0");
    return static_cast<std::uint16_t>(std::strtoul(text.c_str(), nullptr, 16) & 0xFFFF);
}

void LIBUSB_CALL TransferDone(libusb_transfer* transfer) {
    *static_cast<int*>(transfer->user_data) = 1;
}

UsbPipeType PipeTypeOf(std::uint8_t attributes) {
    switch (attributes & LIBUSB_TRANSFER_TYPE_MASK) {
    case LIBUSB_TRANSFER_TYPE_CONTROL: return UsbPipeType::Control;
    case LIBUSB_TRANSFER_TYPE_ISOCHRONOUS: return UsbPipeType::Isochronous;
    case LIBUSB_TRANSFER_TYPE_INTERRUPT: return UsbPipeType::Interrupt;
    default: return UsbPipeType::Bulk;
    }
}

}  // namespace

UsbIds ReadUsbIds(const ProfileFile& ini) {
    return {ReadHexKey(ini, "VendorId"), ReadHexKey(ini, "ProductId")};
}

LibusbPlatform::LibusbPlatform(UsbIds ids) : m_ids(ids) {}

LibusbPlatform::~LibusbPlatform() {
    Close();
    if (m_context) libusb_exit(m_context);
}

int LibusbPlatform::Open() {
    Close();
    if (!m_context && libusb_init(&m_context) != 0) {
        m_context = nullptr;
        return LIBUSB_ERROR_OTHER;
    }
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &list);
    if (count < 0) return static_cast<int>(count);
    libusb_device* found = nullptr;
    for (ssize_t i = 0; i < count && !found; ++i) {
        libusb_device_descriptor d;
        if (libusb_get_device_descriptor(list[i], &d) == 0 && d.idVendor == m_ids.vendorId &&
            d.idProduct == m_ids.productId)
            found = list[i];  // the first one listed; a second instrument is ignored
    }
    int result = kUsbDeviceNotFound;
    if (found) {
        char name[64];
        std::snprintf(name, sizeof name, "%04x:%04x bus %u address %u", m_ids.vendorId,
                      m_ids.productId, libusb_get_bus_number(found),
                      libusb_get_device_address(found));
        m_name = name;
        result = libusb_open(found, &m_handle);
    }
    libusb_free_device_list(list, 1);
    if (result != 0) {
        m_handle = nullptr;
        return result;
    }
    if (libusb_kernel_driver_active(m_handle, 0) == 1)
        m_kernelDriverDetached = libusb_detach_kernel_driver(m_handle, 0) == 0;
    result = libusb_claim_interface(m_handle, 0);
    if (result != 0) {
        Close();
        return result;
    }
    return 0;
}

void LibusbPlatform::Close() {
    if (!m_handle) return;
    libusb_release_interface(m_handle, 0);
    if (m_kernelDriverDetached) libusb_attach_kernel_driver(m_handle, 0);
    m_kernelDriverDetached = false;
    libusb_close(m_handle);
    m_handle = nullptr;
}

bool LibusbPlatform::GetDeviceDescriptor(UsbDeviceDescriptor& descriptor) {
    if (!m_handle) return false;
    libusb_device_descriptor d;
    if (libusb_get_device_descriptor(libusb_get_device(m_handle), &d) != 0) return false;
    descriptor = {d.bcdUSB,         d.bDeviceClass, d.bDeviceSubClass, d.bDeviceProtocol,
                  d.bMaxPacketSize0, d.idVendor,    d.idProduct,       d.bcdDevice,
                  d.bNumConfigurations};
    return true;
}

bool LibusbPlatform::QueryEndpoints(std::vector<UsbEndpoint>& endpoints) {
    endpoints.clear();
    if (!m_handle) return false;
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(libusb_get_device(m_handle), &config) != 0)
        return false;
    bool ok = false;
    if (config->bNumInterfaces > 0 && config->interface[0].num_altsetting > 0) {
        const libusb_interface_descriptor& alt = config->interface[0].altsetting[0];
        for (int i = 0; i < alt.bNumEndpoints; ++i)
            endpoints.push_back({PipeTypeOf(alt.endpoint[i].bmAttributes),
                                 alt.endpoint[i].bEndpointAddress});
        ok = true;
    }
    libusb_free_config_descriptor(config);
    return ok;
}

UsbIo LibusbPlatform::Transfer(std::uint8_t pipe, std::uint8_t* data, std::size_t length,
                               std::uint32_t timeoutMs, const std::atomic<bool>& quit) {
    if (!m_handle) return {UsbIoResult::Failed, 0, LIBUSB_ERROR_NO_DEVICE};
    libusb_transfer* transfer = libusb_alloc_transfer(0);
    if (!transfer) return {UsbIoResult::Failed, 0, LIBUSB_ERROR_NO_MEM};
    int completed = 0;
    // libusb reads a zero timeout as "no limit".
    const unsigned timeout = timeoutMs == kUsbNoTimeout ? 0 : (timeoutMs ? timeoutMs : 1);
    libusb_fill_bulk_transfer(transfer, m_handle, pipe, data, static_cast<int>(length),
                              TransferDone, &completed, timeout);
    const int submitted = libusb_submit_transfer(transfer);
    if (submitted != 0) {
        libusb_free_transfer(transfer);
        return {UsbIoResult::Failed, 0, submitted};
    }
    bool cancelled = false;
    while (!completed) {
        timeval slice{0, 10000};
        libusb_handle_events_timeout_completed(m_context, &slice, &completed);
        if (!cancelled && quit.load(std::memory_order_acquire)) {
            libusb_cancel_transfer(transfer);
            cancelled = true;
        }
    }
    UsbIo io;
    io.transferred = static_cast<std::size_t>(transfer->actual_length);
    switch (transfer->status) {
    case LIBUSB_TRANSFER_COMPLETED: io.result = UsbIoResult::Done; break;
    case LIBUSB_TRANSFER_TIMED_OUT: io.result = UsbIoResult::TimedOut; break;
    case LIBUSB_TRANSFER_CANCELLED:
        io.result = cancelled ? UsbIoResult::Quit : UsbIoResult::Failed;
        break;
    default:
        io.result = UsbIoResult::Failed;
        io.error = transfer->status;
        break;
    }
    libusb_free_transfer(transfer);
    return io;
}

UsbIo LibusbPlatform::Write(std::uint8_t pipe, const std::uint8_t* data, std::size_t length,
                            std::uint32_t timeoutMs, const std::atomic<bool>& quit) {
    std::vector<std::uint8_t> copy(data, data + length);
    return Transfer(pipe, copy.data(), length, timeoutMs, quit);
}

UsbIo LibusbPlatform::Read(std::uint8_t pipe, std::uint8_t* buffer, std::size_t capacity,
                           std::uint32_t timeoutMs, const std::atomic<bool>& quit) {
    return Transfer(pipe, buffer, capacity, timeoutMs, quit);
}

void LibusbPlatform::Flush(std::uint8_t pipe) {
    // Transfers never outlive their call (a timeout or quit ends them), so only a halt
    // can be left on the pipe.
    if (m_handle) libusb_clear_halt(m_handle, pipe);
}

}  // namespace klv
