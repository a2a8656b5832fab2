#pragma once

#include <QDialog>

#include "measure/run_dialogs.h"
#include "measure/run_sounds.h"

namespace klv {

// "Auto stop" (dialog 560): the solution change after an auto stop, with the looping
// "AutoStop" sound. Returns 1 for "START", 2 for "Cancel".
class CMeasAutoStop final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = kIdMeasAutoStopDialog;
    explicit CMeasAutoStop(RunSounds& sounds, QWidget* parent = nullptr);

    void reject() override { Finish(kAutoStopCancel); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Finish(int result);

    RunSounds& m_sounds;
    bool m_soundStarted = false;
};

}  // namespace klv
