#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "app/command_ids.h"
#include "app/ui/main_channel.h"
#include "app/ui/main_face.h"
#include "app/ui/main_window_harness.h"
#include "app/ui/meas_result_list.h"
#include "app/ui/status_line.h"
#include "base/fixed_text.h"
#include "base/sound_table.h"
#include "device/simulator_state.h"
#include "device/ui/simulation_dialog.h"
#include "measure/ui/standard_calibrate_dialog.h"
#include "reference/condition_rules.h"
#include "reference/msr_log_file.h"
#include "reference/resolution_table.h"
#include "reference/solution_defaults.h"
#include "support/result_conditions.h"
#include "support/test_wave.h"
#include "support/ui/modal_driver.h"
#include "support/ui/widget_find.h"

// The main window with the simulator, driven through its windows as an operator would.
namespace klv::test {

// Blanking long enough that the start's own clock readings cannot end it.
constexpr std::uint8_t kBlankingSeconds = 5;

inline MeasFileData DemoCondition(std::initializer_list<LayerCondition> layers, const char* name) {
    MeasFileData d = Condition(layers);
    SetFixedText(d.szFileName, name);
    ApplyCombinationDefaults(d);
    for (int k = 0; k < GetCoatCount(d); ++k)
        d.coat[k].bBlanking = kBlankingSeconds;
    return d;
}

inline MeasFileData CopperCondition() {
    return DemoCondition({Layer(kCoatCopper, "Cu")}, "Cu demo");
}

// Playable sound files, so each event sound shows as its own file and not as the beep.
inline void InstallSounds(ProgramUnderTest& p) {
    QVERIFY(QDir().mkpath(QString::fromStdString(p.app.GraphicsDirectory())));
    for (const SoundEvent& e : kSoundEvents)
        WriteTestFile(p.app.GraphicsDirectory() + e.defaultFile, TestWaveBytes());
}

inline void PrepareChannel(ProgramUnderTest& p, int index, const MeasFileData& d, bool remember) {
    InstallSounds(p);
    ConditionStore store(p.dir.Path(), p.op);
    QVERIFY(store.CreateConditionDirectories());
    QVERIFY(store.WriteConditionFile(index, d));
    if (remember) {
        ProfileFile ini(p.dir.File("KLV570.ini"));
        QVERIFY(ini.WriteProfileString("Measurement", "MeasFileNbr", "1," + std::to_string(index)));
    }
}

// A button pressed as its shortcut presses it.
inline void Press(QWidget& parent, const char* name) {
    Find<QAbstractButton>(parent, name)->click();
}

// Dialog 561 "Stop measurement" with one of its radio buttons.
inline void AnswerStop(ModalDriver& modal, const char* choice) {
    modal.When("CMeasureStop", [choice](QWidget& d) {
        Press(d, choice);
        Press(d, "ok");
    });
}

// The main window with the simulator, driven as an operator would.
struct Road {
    ProgramUnderTest& p;
    CKLV570Dlg& w;

    CMainChannel& Channel() { return w.Channel(); }
    CMeasResultList& List() { return *w.Face().ResultList(); }
    CSimulatorState& Sim() { return *w.Device().Simulator(); }
    QWidget& SimWindow() { return *w.Device().SimulationWindow(); }
    QString Status() { return w.Face().StatusLine()->text(); }

    // F2 reaches the window through the key routing; the start's settling waits need a
    // moving clock, which stops again once the electrolysis runs.
    void PressF2() {
        p.clock.SetAutoStep(50);
        QTest::keyClick(w.windowHandle(), Qt::Key_F2);
        QTRY_VERIFY(Channel().IsMeasuring());
        p.clock.SetAutoStep(0);
    }
    void EndBlanking() {
        QTRY_VERIFY(List().IsBlinking());
        p.clock.Advance(kBlankingSeconds * 1000 + 800);
        QTRY_VERIFY(!List().IsBlinking());
        QTRY_VERIFY(Find<QAbstractButton>(SimWindow(), "ctl1800")->isEnabled());
    }
    // "Trip" ends the plating; `count` is what the instrument had counted.
    void Trip(std::uint32_t& count) {
        count = Sim().Status().dwCount();
        Press(SimWindow(), "ctl1800");
        QTRY_VERIFY(!Channel().IsMeasuring());
    }
    // One layer from F2 to the end of the plating.
    void MeasureLayer(std::uint32_t& count) {
        PressF2();
        EndBlanking();
        Trip(count);
    }
    float ValueOf(std::uint32_t count, int layer) {
        const MeasFileData& d = *Channel().Condition();
        const ResolutionRow* row = FindResolution(d.bUnit, d.coat[layer].bRange);
        return static_cast<float>(count) / static_cast<float>(row->scale);
    }
    MsrLogRecord Record(std::uint32_t index) {
        MsrLogRecord r{};
        ReadMsrLogFile(p.app.Conditions(), Channel().Index(), &r, index, 1, false);
        return r;
    }
};

inline bool Played(const ProgramUnderTest& p, const char* file) {
    const auto& calls = p.player.Calls();
    return std::any_of(calls.begin(), calls.end(),
                       [file](const std::string& c) { return c.find(file) != std::string::npos; });
}

// The program with the simulator, its remembered channel `index` holding `d`, opened at start.
inline void RunRoad(int index, const MeasFileData& d, const std::function<void(Road&)>& body) {
    ProgramUnderTest p;
    PrepareChannel(p, index, d, true);
    QVERIFY(p.RunMainWindow(
        [&](CKLV570Dlg& w) {
            w.StartDevice();
            Road road{p, w};
            body(road);
        },
        {"-siml=1"}));
}

// The simulator's clock runs until the instrument has counted `target`; its timers run at
// once, so no count is skipped.
inline void CountTo(Road& road, std::uint32_t target) {
    while (road.Sim().Status().dwCount() < target) {
        road.p.clock.Advance(100);
        road.Sim().RunTimers();
    }
    QCoreApplication::processEvents();
}

// F2 in a dialog of the run, the blanking, `counts` counts, then "Trip".
inline void MeasureInDialog(Road& road, QWidget& dialog, std::uint32_t counts) {
    road.p.clock.SetAutoStep(50);
    Press(dialog, "ctl32810");
    QTRY_VERIFY(Find<QAbstractButton>(dialog, "ctl32811")->isEnabled());
    road.p.clock.SetAutoStep(0);
    road.p.clock.Advance(kBlankingSeconds * 1000 + 100);
    QTRY_VERIFY(Find<QAbstractButton>(road.SimWindow(), "ctl1800")->isEnabled());
    CountTo(road, counts);
    // The counts run ahead of the polls; on a loaded machine no poll may have come yet.
    QTRY_VERIFY(road.p.app.Trace().Count() > 0);
    Press(road.SimWindow(), "ctl1800");
    QTRY_VERIFY(!Find<QAbstractButton>(dialog, "ctl32811")->isEnabled());
}

// One standard in dialog 540: F2, the blanking, `counts` counts, then "Trip".
inline void MeasureStandard(Road& road, QWidget& dialog, std::uint32_t counts) {
    auto& calibrate = static_cast<CStandardCalibrate&>(dialog);
    road.p.clock.SetAutoStep(50);
    Press(dialog, "ctl32810");
    QTRY_VERIFY(calibrate.IsMeasuring());
    road.p.clock.SetAutoStep(0);
    road.p.clock.Advance(kBlankingSeconds * 1000 + 100);
    QTRY_VERIFY(Find<QAbstractButton>(road.SimWindow(), "ctl1800")->isEnabled());
    CountTo(road, counts);
    QCOMPARE(road.Sim().Status().dwCount(), counts);
    Press(road.SimWindow(), "ctl1800");
    QTRY_VERIFY(!calibrate.IsMeasuring());
}

}  // namespace klv::test
