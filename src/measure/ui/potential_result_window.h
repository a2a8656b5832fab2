#pragma once

#include <QDialog>
#include <functional>

#include "base/profile.h"
#include "measure/ui/potential_graph.h"

namespace klv {

inline constexpr int kIdPotentialResultWindow = 581;

// "Potential graph" (581): the top-level window around a graph, opened and closed by the main
// window's button. Closing stores the view settings and the placement.
class CPotentialResult final : public QDialog {
    Q_OBJECT
public:
    using SettingsStore = std::function<void(const PotentialGraphSettings&)>;
    CPotentialResult(const PotentialGraphSeams& seams, const PotentialGraphSettings& settings,
                     ProfileFile& profile, SettingsStore store, QWidget* parent = nullptr);
    ~CPotentialResult() override;

    CPotentialGraph& Graph() { return *m_graph; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void StoreSettings();

    CPotentialGraph* m_graph = nullptr;
    ProfileFile& m_profile;
    SettingsStore m_store;
    bool m_stored = false;
};

}  // namespace klv
