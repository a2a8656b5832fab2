#pragma once

#include <QTreeWidget>
#include <array>

#include "app/condition_cells.h"
#include "base/profile.h"

namespace klv {

// The main window's condition table: one owner-drawn row six lines high with the titles, the
// five layers and the base, unit, gasket and calibration of the open channel. While a
// measurement is possible the current layer's column is drawn in the highlight colours.
class CConditionTable : public QTreeWidget {
    Q_OBJECT
public:
    explicit CConditionTable(QWidget* parent = nullptr);

    // A null condition shows the titles only.
    void ShowCondition(const MeasFileData* d, int currentLayer, bool measurementPossible,
                       const CalibrationStore* calibration,
                       const CalibrationSchedule* schedule = nullptr);
    // A due calibration date is drawn in red.
    bool IsDueLine(int line, int column) const;
    QString CellText(int line, int column) const;
    // The column of the current layer while it is highlighted, else -1.
    int HighlightedColumn() const;

    void RestoreColumns(const ProfileFile& ini);
    bool SaveColumns(ProfileFile& ini) const;

protected:
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;

private:
    void FitHeight();

    std::array<ConditionCell, kConditionColumnCount> m_cells{};
    int m_currentLayer = 0;
    bool m_measurementPossible = false;
};

}  // namespace klv
