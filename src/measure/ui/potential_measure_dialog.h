#pragma once

#include <QPointer>
#include <functional>

#include "measure/measurement_session.h"
#include "measure/ui/potential_graph.h"
#include "measure/ui/run_window.h"
#include "measure/ui/thickness_drop_dialog.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace klv {

inline constexpr int kIdPotentialMeasureDialog = 580;

// What the observation measurement works with; all outlive it.
struct PotentialMeasureSeams {
    CMeasurementSession& session;
    const MeasFileData& condition;  // the channel's, as the session changes it
    RunInstrument& instrument;
    Operator& op;
    ProfileFile& profile;
    CKeyRoutingTable& keys;
    PotentialGraphSeams graph;
    PotentialGraphSettings graphSettings;
    // Asked before each measurement starts (a due calibration); none lets every start go.
    std::function<bool()> mayStart = {};
};

// "Measurement by potential graph observation" (580): the channel's measurement with the
// operator watching the graph; nickel over nickel is read off the graph into dialog 584.
class CPotentialMeasure final : public CRunWindow {
    Q_OBJECT
public:
    explicit CPotentialMeasure(const PotentialMeasureSeams& seams, QWidget* parent = nullptr);
    ~CPotentialMeasure() override;

    CPotentialGraph& Graph() { return *m_graph; }
    CThicknessDrop* ThicknessInput() const { return m_input; }

    void StartMeasurement() override;
    void StopMeasurement() override;
    void OnPollingNotify() override;
    void EndMeasurement();

    void done(int result) override;
    void reject() override;

private:
    void SetIdle();
    void SetMeasuringState();
    void OpenThicknessInput();
    void CloseThicknessInput();
    void TakeValues(const std::vector<float>& values);
    void Finish(int result);

    PotentialMeasureSeams m_seams;
    bool m_closing = false;

    CPotentialGraph* m_graph = nullptr;
    QTreeWidget* m_layers = nullptr;
    QLabel* m_guidance = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_end = nullptr;
    QPointer<CThicknessDrop> m_input;
};

}  // namespace klv
