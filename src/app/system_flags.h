#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace klv {

// Bits of General/SystemFlags.
inline constexpr std::uint32_t kFlagSelectBySingleClick = 0x0001;  // 0: select by pointing
inline constexpr std::uint32_t kFlagRollPaperPrinter = 0x0002;     // 0: page printer
inline constexpr std::uint32_t kFlagSimulator = 0x10000;           // "siml=1"
inline constexpr std::uint32_t kFlagPrintSimulation = 0x20000;     // "printer=siml"
inline constexpr std::uint32_t kRunTimeFlags = kFlagSimulator | kFlagPrintSimulation;

// Clears the run-time bits of `flags` and sets them from the switches "siml=1" and
// "printer=siml", each after "/" or "-" in any letter case; other arguments are ignored.
// `args` are the arguments after the program name.
std::uint32_t ApplyCommandLine(std::uint32_t flags, const std::vector<std::string>& args);

// How lists react to the mouse, from bit 0 of the flags.
struct ListViewStyle {
    bool fullRowSelect = true;
    bool oneClickActivate = false;
};
ListViewStyle ListViewStyleFor(std::uint32_t flags);

}  // namespace klv
