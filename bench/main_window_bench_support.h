#pragma once

#include <string>

#include "base/sound_player.h"
#include "base/ui/print_page_context.h"

namespace klv::bench {

// What the windows of a benchmark play and print: nothing.
struct SilentSounds final : SoundPlayer {
    bool Play(const std::string&, bool) override { return true; }
    void Stop() override {}
    void Beep() override {}
};

struct NoPrinter final : ReportPrinter {
    bool PrintReport(QWidget*, const PageFunction&) override { return false; }
    void FeedRollPaper() override {}
};

}  // namespace klv::bench
