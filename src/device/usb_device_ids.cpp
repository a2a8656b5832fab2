#include "device/usb_device_ids.h"

#include <cctype>

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

UsbDeviceIds ReadUsbDeviceIds(const ProfileFile& ini) {
    return {ParseUsbId(ini.GetProfileString("USB", "VendorId", "")),
            ParseUsbId(ini.GetProfileString("USB", "ProductId", ""))};
}

}  // namespace klv
