// What the instrument answers, as the program reads it: the current calibration block it keeps
// and the polled status that the run turns into results, layer after layer.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <vector>

#include "device/output_current.h"
#include "fuzz_support.h"
#include "measure/run_fakes.h"

namespace {

using namespace klv;

MeasFileData ConditionOf(int layers) {
    using test::Layer;
    const LayerCondition coats[] = {Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu"),
                                    Layer(kCoatNickel, "Ni", test::kRange2_1),
                                    Layer(kCoatCopper, "Cu", test::kRange4_10),
                                    Layer(kCoatNickel, "Ni")};
    MeasFileData d = test::Condition({});
    for (int k = 0; k < layers; ++k)
        d.coat[k] = coats[k];
    return d;
}

void ReadCalibration(FuzzedDataProvider& input) {
    std::array<std::uint8_t, kCalibrationLength> block{};
    const auto bytes = input.ConsumeBytes<std::uint8_t>(kCalibrationLength);
    std::copy(bytes.begin(), bytes.end(), block.begin());
    const CurrentCalibration cal = CurrentCalibration::FromBlock(block.data());
    for (float target : {0.05f, 1.0f, 25.0f, 100.0f, 240.0f})
        for (int range = 0; range < kOutputRangeCount; ++range)
            (void)ChooseOutput(target, cal, input.ConsumeBool(), range);
}

PollingData NextPoll(FuzzedDataProvider& input) {
    PollingData poll;
    const auto bytes = input.ConsumeBytes<std::uint8_t>(kDeviceStatusLength);
    std::copy(bytes.begin(), bytes.end(), poll.status.bytes.begin());
    poll.lCommFailed = input.ConsumeBool() ? 1 : 0;
    poll.dwErrorCode = input.ConsumeIntegral<std::uint8_t>();
    return poll;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ReadCalibration(input);

    test::FakeRunInstrument instrument;
    test::ScriptedRunDialogs dialogs;
    dialogs.stopChoice = input.ConsumeIntegralInRange(0, 2);
    dialogs.correctedValue = 1.5f;
    test::RecordingTrace trace;
    test::RecordingSounds sounds;
    fuzz::CancellingOperator op;
    CalibrationStore calibration =
        test::CalibratedGasketA(input.ConsumeFloatingPointInRange(-19.0f, 19.0f));
    CMeasRun run(instrument, dialogs, trace, sounds, op, calibration);
    test::DummyTarget window;
    const MeasFileData d = ConditionOf(input.ConsumeIntegralInRange(1, 5));
    const int layers = static_cast<int>(GetCoatCount(d));
    const int displayMode = input.ConsumeIntegralInRange(0, 3);

    instrument.SetPollingWindow(&window);
    int layer = 0;
    if (run.StartLayer(d, layer, displayMode, true) != 1)
        return 0;
    // Polls as long as the input lasts; a layer that ends starts the next one.
    for (int polls = 0; polls < 2000 && input.remaining_bytes() > 0; ++polls) {
        const PollingData poll = NextPoll(input);
        PollResult result{};
        if (run.PreparePollResult(poll, result) && !result.fEndRequested)
            run.EvaluatePoll(poll, result, input.ConsumeBool());
        if (!result.fEndRequested && !result.fHasResult)
            continue;
        layer = result.fHasResult && layer + 1 < layers ? layer + 1 : 0;
        instrument.SetPollingWindow(&window);
        if (run.StartLayer(d, layer, displayMode, layer == 0) != 1)
            break;
    }
    return 0;
}
