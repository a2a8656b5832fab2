// A potential graph file as the graph window opens it: what reads writes back and reads the
// same, and the loaded trace is laid out on the plot at the stored scale and time per pixel.
#include <cstdlib>
#include <vector>

#include "base/clock.h"
#include "fuzz_support.h"
#include "measure/gra_file.h"
#include "measure/potential_plot.h"
#include "measure/potential_trace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace klv;
    GraFile file;
    if (ParseGraFile({data, size}, file) != GraReadResult::Ok)
        return 0;
    const std::string path = fuzz::ScratchFolder() + "trace.gra";
    GraFile again;
    if (WriteGraFile(path, file.header, file.samples) != FileWriteResult::Ok ||
        ReadGraFile(path, again) != GraReadResult::Ok || again.samples != file.samples ||
        again.header.lInterval != file.header.lInterval)
        std::abort();

    static SystemClock clock;
    CPotentialTrace trace(clock);
    const GraHeader h = file.header;
    trace.Replace(std::move(file));
    const TraceCondition condition = trace.Condition();
    const PlotLimits limits = ComputeScale(h.lFullScale, trace.Minimum(), trace.Maximum());
    const std::int32_t timePerPixel = kTimesPerPixel[TimePerPixelIndex(h.lTimePerPixel)];
    trace.ReadSamples([&](const TraceSamples& t) {
        const std::int32_t pixels = PixelCount(
            t.interval, t.samples.size() > 0 ? static_cast<std::int32_t>(t.samples.size()) : 0,
            timePerPixel);
        const int last = LastScrollPosition(760, pixels);
        for (const ColumnExtremes& c :
             VisibleColumns(t.samples, last, 760, timePerPixel, t.interval)) {
            (void)PlotY(c.low, limits, 20, 600);
            (void)PlotY(c.high, limits, 20, 600);
            (void)PlotY(c.high, {h.lLower, h.lUpper}, 20, 600);  // the file's manual limits
        }
        const std::array<int, kCursorCount> cursors = {0, last, last + 759, pixels, -1};
        (void)MakeCursorReadouts(t.samples, cursors, condition, timePerPixel, t.interval);
        (void)ThicknessText(condition, last, timePerPixel);
        return 0;
    });
    (void)PotentialLabel(limits.upper);
    (void)PotentialAtY(300, {h.lLower, h.lUpper}, 20, 600);
    return 0;
}
