#pragma once

#include <cstdint>
#include <string>

#include "base/profile.h"

namespace klv {

// Parses a hexadecimal id of the settings file ("04D8", "0x04d8"); 0 when it is not one.
std::uint16_t ParseUsbId(const std::string& text);

// The instrument's ids as the program looks for it: section "USB", "VendorId" and "ProductId".
struct UsbDeviceIds {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
};
UsbDeviceIds ReadUsbDeviceIds(const ProfileFile& ini);

}  // namespace klv
