#include "device/usb_id.h"

#include <cctype>
#include <cstdio>

namespace klv {

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

UsbIds ReadUsbIds(const ProfileFile& ini) {
    return {ParseUsbId(ini.GetProfileString(kUsbSection, kUsbVendorKey, "")),
            ParseUsbId(ini.GetProfileString(kUsbSection, kUsbProductKey, ""))};
}

std::string FormatUdevRule(const UsbIds& ids) {
    char match[160];
    std::snprintf(match, sizeof match, "ATTRS{idVendor}==\"%04x\", ATTRS{idProduct}==\"%04x\"",
                  ids.vendor, ids.product);
    return std::string(
               "# KLV-570 plating thickness tester: lets members of the \"klv570\" group drive "
               "the instrument.\n"
               "# Made by klv570-tool udev-rule for the ids of section \"USB\" of KLV570.ini. "
               "After installing it: udevadm control --reload && udevadm trigger\n"
               "SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", ") +
           match + ", MODE=\"0660\", GROUP=\"klv570\", TAG+=\"uaccess\"\n";
}

}  // namespace klv
