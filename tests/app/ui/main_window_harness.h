#pragma once

#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "app/klv570_app.h"
#include "app/ui/klv570_dlg.h"
#include "app/ui/main_window_seams.h"
#include "support/recording_sound_player.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv::test {

// A program started on a fresh data directory, whose main window a test drives.
struct ProgramUnderTest {
    TempDir dir;
    ScriptedOperator op;
    SettableClock clock;
    RecordingSoundPlayer player;
    CKLV570App app{dir.Path(), op, clock, player};
    MainWindowSeams device{clock, player};

    // Runs start-up with `args`, shows the main window as the settings say, runs `body` on it
    // and shuts it down. False when start-up ended early or the window never ran.
    bool RunMainWindow(const std::function<void(CKLV570Dlg&)>& body,
                       const std::vector<std::string>& args = {}) {
        bool ran = false;
        app.Hooks().runMainWindow = [&] {
            ran = true;
            CKLV570Dlg window(app, device.Seams());
            device.Attach(window);
            window.ShowAsStored();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            body(window);
            window.Shutdown();
        };
        return app.InitInstance(args) && ran;
    }
};

}  // namespace klv::test
