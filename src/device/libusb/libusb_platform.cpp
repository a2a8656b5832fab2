#include "device/libusb/libusb_platform.h"

#include <libusb-1.0/libusb.h>

#include <cctype>
#include <cstring>
#include <memory>

namespace klv {

namespace {
constexpr int kFlushWaitRounds = 50;  // × 10 ms for a cancelled transfer to come back
}  // namespace

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
    const UsbDeviceIds ids = ReadUsbDeviceIds(m_profile);
    const std::uint16_t vid = ids.vendor;
    const std::uint16_t pid = ids.product;
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

// libusb drops the transfers of a closed handle, and the bus gives none of them back: only
// then may those a cancel did not bring back be freed.
void LibUsbPlatform::Close() {
    Abandon(m_in);
    Abandon(m_out);
    if (m_handle) {
        libusb_release_interface(m_handle, m_interface);
        libusb_close(m_handle);
        m_handle = nullptr;
    }
    m_in.ReleaseAll();
    m_out.ReleaseAll();
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

bool LibUsbPlatform::BeginTransfer(std::uint8_t pipe, const std::uint8_t* data,
                                   std::uint32_t length) {
    Pipe& p = PipeOf(pipe);
    if (!m_handle || p.Current())
        return false;
    auto transfer = std::make_unique<CLibUsbTransfer>(m_handle, pipe, data, length);
    if (!transfer->Valid())
        return false;
    m_lastError = transfer->Submit();
    if (m_lastError != 0)
        return false;
    p.Start(std::move(transfer));
    return true;
}

UsbIo LibUsbPlatform::PollTransfer(std::uint8_t pipe, std::uint32_t& transferred,
                                   std::uint8_t* into) {
    Pipe& p = PipeOf(pipe);
    CLibUsbTransfer* transfer = p.Current();
    if (!transfer)
        return UsbIo::Failed;
    timeval zero{0, 0};
    libusb_handle_events_timeout_completed(m_context, &zero, transfer->CompletionFlag());
    if (transfer->InFlight())
        return UsbIo::Pending;
    transferred = transfer->Transferred();
    m_lastError = transfer->Status();
    const bool done = transfer->Status() == LIBUSB_TRANSFER_COMPLETED;
    if (done && into != nullptr && (pipe & LIBUSB_ENDPOINT_IN))
        std::memcpy(into, transfer->Data(), transferred);
    p.Finish();
    return done ? UsbIo::Done : UsbIo::Failed;
}

void LibUsbPlatform::Abandon(Pipe& pipe) {
    pipe.Abandon(kFlushWaitRounds, [this](CLibUsbTransfer& transfer) {
        timeval tenMs{0, 10000};
        libusb_handle_events_timeout_completed(m_context, &tenMs, transfer.CompletionFlag());
    });
}

void LibUsbPlatform::FlushPipe(std::uint8_t pipe) {
    Abandon(PipeOf(pipe));
    if (m_handle)
        libusb_clear_halt(m_handle, pipe);
}

}  // namespace klv
