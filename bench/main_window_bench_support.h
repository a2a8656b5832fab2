#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
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

// The main of a window benchmark: the benchmarks run in an offscreen application.
inline int RunWindowBenchmarks(int argc, char** argv) {
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}

}  // namespace klv::bench
