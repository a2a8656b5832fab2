#pragma once

#include <gtest/gtest.h>

#include "run_fakes.h"

namespace klv::test {

// The run with every seam recorded; a one-layer nickel condition in µm on range 1/1 (scale 10).
struct RunFixture {
    FakeRunInstrument instrument;
    ScriptedRunDialogs dialogs;
    RecordingTrace trace;
    RecordingSounds sounds;
    ScriptedOperator op;
    CalibrationStore calibration{};
    CMeasRun run{instrument, dialogs, trace, sounds, op, calibration};
    DummyTarget window;
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});

    // Starts layer 0 with the main window polling.
    void Start() {
        instrument.SetPollingWindow(&window);
        ASSERT_EQ(run.StartLayer(d, 0, 0, true), 1);
    }
    // One poll through preparation and, when it asks for it, evaluation.
    PollResult Feed(const PollingData& poll, bool acceptAtOnce = false) {
        PollResult r{};
        if (run.PreparePollResult(poll, r) && !r.fEndRequested)
            run.EvaluatePoll(poll, r, acceptAtOnce);
        return r;
    }
};

}  // namespace klv::test
