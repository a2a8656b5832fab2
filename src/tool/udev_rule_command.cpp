#include <cstdio>

#include "app/data_directory.h"
#include "base/profile.h"
#include "device/usb_device_ids.h"
#include "tool/tool_command.h"

namespace klv::tool {

int RunUdevRule(ToolContext& context, std::span<const std::string> args) {
    if (!args.empty())
        return kExitUsage;
    const ProfileFile ini(context.store.DataDirectory() + kSettingsFileName);
    const UsbDeviceIds ids = ReadUsbDeviceIds(ini);
    if (ids.vendor == 0 || ids.product == 0) {
        context.err << "VendorId and ProductId of section USB are not set in " << ini.Path()
                    << '\n';
        return kExitFailed;
    }
    char rule[256];
    std::snprintf(rule, sizeof rule,
                  "SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", ATTRS{idVendor}==\"%04x\", "
                  "ATTRS{idProduct}==\"%04x\", MODE=\"0660\", GROUP=\"klv570\", "
                  "TAG+=\"uaccess\"",
                  ids.vendor, ids.product);
    context.out << "# KLV-570 plating thickness tester\n" << rule << '\n';
    return kExitOk;
}

}  // namespace klv::tool
