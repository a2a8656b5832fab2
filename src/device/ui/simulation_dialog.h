#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "base/profile.h"
#include "device/simulator_state.h"
#include "device/ui/full_width_label.h"

namespace klv {

// The simulator window (dialog 430): shows the simulated instrument and plays its inputs.
// It lives as long as the program; only Shutdown closes it.
class CSimulation final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 430;
    CSimulation(CSimulatorState& state, ProfileFile* profile, QWidget* parent = nullptr);
    ~CSimulation() override;

    // False while the profile holds no placement of the window, as on a first start.
    static bool IsPlaced(const ProfileFile& profile);
    // Restores the placement and opens minimised.
    void Open();
    // Stops the timers and stores the placement.
    void Shutdown();
    void Refresh();
    CSimulatorState& State() { return m_state; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* MakeUpDown(int idUp, int step, bool ad976);
    void Tick();

    CSimulatorState& m_state;
    ProfileFile* m_profile;
    QTimer m_timer;
    QLabel* m_ad976 = nullptr;
    QLabel* m_adc0804 = nullptr;
    QLabel* m_pump = nullptr;
    QLabel* m_dac = nullptr;
    std::array<QLabel*, 4> m_portA{};
    std::array<QLabel*, 7> m_portB{};
    QPushButton* m_trip = nullptr;
    QCheckBox* m_probe = nullptr;
    std::uint32_t m_shownRevision = 0xFFFFFFFFu;
    bool m_initialising = true;
    bool m_closing = false;
};

}  // namespace klv
