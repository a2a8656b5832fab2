#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/calibration_due_gate.h"
#include "app/klv570_app.h"
#include "app/ui/channel_output.h"
#include "device/ui/qt_device_seams.h"
#include "measure/event_run_sounds.h"
#include "measure/meas_run.h"
#include "measure/measurement_session.h"
#include "measure/measurement_view.h"
#include "measure/potential_trace_hooks.h"
#include "measure/ui/qt_run_dialogs.h"

class QWidget;

namespace klv {

class CMainFace;

// The channel the main window has open and its measurement: selecting and closing it, the
// displays of its condition and data, and the run's view of the window.
class CMainChannel final : public MeasurementView {
public:
    // Runs the condition editor on a new or incomplete condition; true when it was completed
    // and written.
    using ConditionEditor = std::function<bool(MeasFileData& d, int index)>;
    // Asks the WT coefficient after the last layer and stores it into the condition.
    using WtCoefficientInput = std::function<float(MeasFileData& d)>;

    CMainChannel(CKLV570App& app, CMainFace& face, RunInstrument& instrument, QWidget& window,
                 std::function<void()> refresh);
    ~CMainChannel() override;
    CMainChannel(const CMainChannel&) = delete;
    CMainChannel& operator=(const CMainChannel&) = delete;

    void SetConditionEditor(ConditionEditor editor) { m_editCondition = std::move(editor); }
    void SetWtCoefficientInput(WtCoefficientInput input) { m_askWt = std::move(input); }

    bool IsOpen() const { return m_session != nullptr; }
    int Index() const { return m_index; }
    // Null while no channel is open.
    const MeasFileData* Condition() const { return IsOpen() ? &m_condition : nullptr; }
    MeasFileData& WorkingCondition() { return m_condition; }
    bool IsMeasuring() const { return m_session && m_session->IsMeasuring(); }
    int Layer() const { return m_session ? m_session->Layer() : 0; }
    bool IsLastDataCancellable() const { return m_lastCancellable; }
    // Whether measurement `dataNumber` (1-based) of the open channel was taken while its
    // gasket's calibration was due.
    bool TakenWithDueCalibration(std::uint32_t dataNumber) const {
        return m_dueGate.TakenOverdue(dataNumber);
    }
    // The statistics of the open channel and where its measurements go.
    CChannelOutput& Output() { return m_output; }
    // The run the calibration and the observation measurement share with the window.
    CMeasRun& Run() { return m_run; }
    // The open channel's measurement; null while none is open.
    CMeasurementSession* Session() { return m_session.get(); }

    // Opens a channel: the remembered one when `automatic` and it still exists, else the one
    // the operator picks. False when none was opened.
    bool SelectMeasureFile(bool automatic);
    // "Measurement end": closes the open channel.
    void CloseChannel();
    void ShowFileName();
    void DisplayLastMeasureResult(bool reset);
    // After the condition changed in an editor: displays and result columns follow it.
    void AdoptCondition(const MeasFileData& d);

    int StartMeasurement();
    // Whether a new measurement may start on this channel: a due calibration is asked about once
    // per opening. True in the middle of a measurement's layers.
    bool MayStartMeasurement();
    void StopMeasurement();
    void OnPollingNotify();
    void CancelLastData();
    // Prints the pending five-data line of the open channel.
    void FlushRollPaperLine();
    void DeleteData();

    // MeasurementView
    void ClearResultList() override;
    void SetMeasuring(bool measuring) override;
    void ShowLayerTexts(int layer, const PollResult& result) override;
    void ShowMeasurementNumber(std::uint32_t number) override;
    void SetBlinking(bool blinking) override;
    void UpdateLevelMeter(const PollingData& poll) override;
    void ResetLevelMeter() override;
    void RedrawResultList() override;
    void ShowSyntheticResult(const MeasFileData& d, std::span<const MsrLogRecord> records) override;
    void MarkLastMeasurement() override;
    float AskWtCoefficient(MeasFileData& d) override;
    void EndCondition() override;

private:
    bool PrepareChannel(int index, MeasFileData& d);
    void OpenChannel(int index, const MeasFileData& d);
    void ShowDataNumber(std::uint32_t number);

    CKLV570App& m_app;
    CMainFace& m_face;
    RunInstrument& m_instrument;
    QWidget& m_window;
    std::function<void()> m_refresh;
    ConditionEditor m_editCondition;
    WtCoefficientInput m_askWt;

    CEventRunSounds m_sounds;
    CQtRunDialogs m_dialogs;
    CChannelOutput m_output;
    QtPollTarget m_pollTarget;
    CMeasRun m_run;

    MeasFileData m_condition{};
    int m_index = -1;
    bool m_lastCancellable = false;
    CCalibrationDueGate m_dueGate;
    std::unique_ptr<CMeasurementSession> m_session;
    // A session ended from inside one of its own calls goes when the next one starts.
    std::unique_ptr<CMeasurementSession> m_endedSession;
};

}  // namespace klv
