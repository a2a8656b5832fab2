#pragma once

#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "app/klv570_app.h"
#include "app/ui/klv570_dlg.h"
#include "app/ui/main_face.h"
#include "app/ui/main_window_seams.h"
#include "base/ui/tool_button.h"
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

// The enabled menu items and tool buttons whose command the window has no handler for, as
// "cmd<id>" and "ctl<id>": each would do nothing.
inline QStringList EnabledWithoutHandler(CKLV570Dlg& w) {
    QStringList silent;
    for (const QAction* action : w.findChildren<QAction*>()) {
        bool isCommand = false;
        const int id = action->data().toInt(&isCommand);
        if (isCommand && action->isEnabled() && !w.HasCommandHandler(id))
            silent << action->objectName();
    }
    const QHash<int, CToolButton*>& buttons = w.Face().Buttons();
    for (auto it = buttons.begin(); it != buttons.end(); ++it)
        if (it.value()->isEnabled() && !w.HasCommandHandler(it.key()))
            silent << it.value()->objectName();
    return silent;
}

}  // namespace klv::test
