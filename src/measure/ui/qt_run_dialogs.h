#pragma once

#include <QWidget>

#include "base/operator.h"
#include "measure/run_dialogs.h"
#include "measure/run_sounds.h"

namespace klv {

// The poll evaluation's dialogs as modal windows over their owner.
class CQtRunDialogs final : public RunDialogs {
public:
    CQtRunDialogs(QWidget* owner, RunSounds& sounds, Operator& op)
        : m_owner(owner), m_sounds(sounds), m_operator(op) {}

    // The view that shows the running value, which the stop question leaves uncovered.
    void SetValueView(const QWidget* view) { m_valueView = view; }

    int AskMeasureStop(float valueInUnit, const MeasFileData& d, int k) override;
    int AskAutoStop() override;
    float AskCorrectedValue(float valueInUnit, const MeasFileData& d, int k) override;

private:
    QWidget* m_owner;
    RunSounds& m_sounds;
    Operator& m_operator;
    const QWidget* m_valueView = nullptr;
};

}  // namespace klv
