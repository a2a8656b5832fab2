#pragma once

#include <cstdint>
#include <string>

#include "base/profile.h"

namespace klv {

// Where the program finds the instrument: section "USB" of the settings file, hexadecimal.
inline constexpr char kUsbSection[] = "USB";
inline constexpr char kUsbVendorKey[] = "VendorId";
inline constexpr char kUsbProductKey[] = "ProductId";

// Parses a hexadecimal id of the settings file ("04D8", "0x04d8"); 0 when it is not one.
std::uint16_t ParseUsbId(const std::string& text);

struct UsbIds {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
};
UsbIds ReadUsbIds(const ProfileFile& ini);

// The udev rule that lets the "klv570" group drive the instrument of these ids.
std::string FormatUdevRule(const UsbIds& ids);

}  // namespace klv
