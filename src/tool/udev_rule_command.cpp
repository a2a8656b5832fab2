#include <map>
#include <string>

#include "app/data_directory.h"
#include "device/usb_id.h"
#include "tool/tool_command.h"

namespace klv::tool {

namespace {

constexpr char kMsgNoIds[] =
    "The instrument's ids are not set: give VendorId and ProductId in section USB of "
    "KLV570.ini, or --vendor and --product.";

}  // namespace

int RunUdevRule(ToolContext& context, std::span<const std::string> args) {
    if (args.size() != 0 && args.size() != 4)
        return kExitUsage;
    UsbIds ids;
    if (args.empty()) {
        const ProfileFile ini(context.store.DataDirectory() + kSettingsFileName);
        ids = ReadUsbIds(ini);
    } else {
        std::map<std::string, std::string> given;
        for (std::size_t i = 0; i < args.size(); i += 2)
            given[args[i]] = args[i + 1];
        if (given.count("--vendor") == 0 || given.count("--product") == 0)
            return kExitUsage;
        ids = {ParseUsbId(given["--vendor"]), ParseUsbId(given["--product"])};
    }
    if (ids.vendor == 0 || ids.product == 0) {
        context.err << kMsgNoIds << '\n';
        return kExitFailed;
    }
    context.out << FormatUdevRule(ids);
    return kExitOk;
}

}  // namespace klv::tool
