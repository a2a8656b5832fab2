#pragma once

#include <QDialog>
#include <vector>

#include "base/profile.h"
#include "reference/solution_groups.h"

class QPushButton;

namespace klv {

class CSubclassListCtrl;

// "Selction of a test solution": the listed combinations grouped per coating and solution.
class CSolutionSelect : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kSection = "SolutionSelect";

    CSolutionSelect(int coatingCode, int baseCode, ProfileFile& ini, bool oneClickActivate,
                    QWidget* parent = nullptr);

    // The chosen test solution code, 0 before a choice.
    int Solution() const { return m_solution; }
    CSubclassListCtrl& List() { return *m_list; }

    void done(int result) override;

private:
    void Activate(int row);

    ProfileFile& m_ini;
    std::vector<SolutionGroup> m_groups;
    CSubclassListCtrl* m_list;
    int m_solution = 0;
};

// Shows the selection; the chosen test solution code, 0 when cancelled.
int SelectSolution(int coatingCode, int baseCode, ProfileFile& ini, bool oneClickActivate,
                   QWidget* parent);

}  // namespace klv
