#include "app/system_flags.h"

#include <strings.h>

namespace klv {
namespace {

bool IsSwitch(const std::string& arg, const char* name) {
    return arg.size() > 1 && (arg[0] == '/' || arg[0] == '-') &&
           ::strcasecmp(arg.c_str() + 1, name) == 0;
}

}  // namespace

std::uint32_t ApplyCommandLine(std::uint32_t flags, const std::vector<std::string>& args) {
    flags &= ~kRunTimeFlags;
    for (const auto& arg : args) {
        if (IsSwitch(arg, "siml=1"))
            flags |= kFlagSimulator;
        if (IsSwitch(arg, "printer=siml"))
            flags |= kFlagPrintSimulation;
    }
    return flags;
}

ListViewStyle ListViewStyleFor(std::uint32_t flags) {
    ListViewStyle style;
    style.oneClickActivate = (flags & kFlagSelectBySingleClick) == 0;
    return style;
}

}  // namespace klv
