#include "app/system_flags.h"

#include <gtest/gtest.h>

namespace klv {
namespace {

TEST(CommandLine, SwitchesNeedSlashOrHyphenInAnyCase) {
    EXPECT_EQ(ApplyCommandLine(0, {"-siml=1"}), kFlagSimulator);
    EXPECT_EQ(ApplyCommandLine(0, {"/SIML=1"}), kFlagSimulator);
    EXPECT_EQ(ApplyCommandLine(0, {"-Printer=Siml"}), kFlagPrintSimulation);
    EXPECT_EQ(ApplyCommandLine(0, {"-siml=1", "/printer=siml"}), kRunTimeFlags);
    EXPECT_EQ(ApplyCommandLine(0, {"siml=1", "printer=siml", "--siml=1", "-siml=10", "-", "/"}),
              0u);
}

TEST(CommandLine, RunTimeBitsAreClearedFirstAndOtherBitsKept) {
    EXPECT_EQ(ApplyCommandLine(0x30501, {}), 0x0501u);
    EXPECT_EQ(ApplyCommandLine(0x80030003u, {"-siml=1"}), 0x80010003u);
}

TEST(ListViewStyle, OneClickActivationWhenSelectingByPointing) {
    EXPECT_TRUE(ListViewStyleFor(0x0500).oneClickActivate);
    EXPECT_FALSE(ListViewStyleFor(0x0501).oneClickActivate);
    EXPECT_TRUE(ListViewStyleFor(0x0501).fullRowSelect);
}

}  // namespace
}  // namespace klv
