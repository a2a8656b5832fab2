#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "measure/check_readouts.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace klv {

// The radio groups of the current check and the sensitivity test: "Coating", "Gasket",
// "Current range" and, for the test, "Sensitivity"; the first button of each is chosen.
class CCheckSettingGroups final : public QWidget {
    Q_OBJECT
public:
    CCheckSettingGroups(int coatingButtons, bool withSensitivity, QWidget* parent);

    int FactorRow() const;
    int Gasket() const;
    int Range() const;
    int Sensitivity() const;  // 1 (automatic) to 9; 0 without the group
    float Current() const { return CheckOutputCurrent(FactorRow(), Gasket(), Range()); }

signals:
    void changed();

private:
    QButtonGroup* AddGroup(const char* title, const char* name, int count, int columns,
                           const std::function<QString(int)>& caption);

    QButtonGroup* m_coatings = nullptr;
    QButtonGroup* m_gaskets = nullptr;
    QButtonGroup* m_ranges = nullptr;
    QButtonGroup* m_sensitivities = nullptr;
};

}  // namespace klv
