#pragma once

#include "reference/ui/meas_file_page.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;

namespace klv {

// The layer structure part of the first page: coating boxes with their ranges, "Testing
// alloy layer", base, unit and gasket.
class CMeasFileStructurePage : public CMeasFilePage {
    Q_OBJECT
public:
    // `boxes` coating boxes (layers 1 to boxes), gaskets 1 to `gaskets` in the combo;
    // `allowDelete` offers "Delete" in the coating selection; the grid's first `firstRow` rows
    // are the page's own, so that its labels line up with the layer titles.
    CMeasFileStructurePage(MeasFileSheetState& s, QWidget* parent, int boxes, int gaskets,
                           bool allowDelete, int firstRow = 0);

    QWidget* ControlFor(ConditionField field, int layer) override;
    // The working copy holds another channel's measurement condition: confirming keeps it
    // as it is until a coating, the base or the alloy layers change.
    void KeepCopiedCondition() { m_keepCopied = true; }

protected:
    // The grid of the structure controls, for the page's layout.
    QGridLayout* StructureGrid() { return m_grid; }
    // Coatings, base and gasket take no input.
    bool Locked() const { return (!m_s.wizard && !m_s.calibration) || m_s.HasData(); }
    void RefreshStructure();
    // After a change made on the page: what the operator typed elsewhere on it stays.
    virtual void RedisplayStructure() { RefreshStructure(); }
    // The checks of the coatings, base, unit, gasket and ranges; in a new condition the
    // combination note, then the combination defaults.
    bool ConfirmStructure();
    // Whether box k can be clicked now.
    virtual bool BoxClickable(int k) const;

private:
    void ClickCoating(int k);
    void ClickBase();
    void ToggleAlloy(bool checked);
    void ChooseRange(int k, int index);
    void AfterStructureChange();

    int m_boxes;
    bool m_allowDelete;
    bool m_keepCopied = false;
    QGridLayout* m_grid;
    QPushButton* m_coatBoxes[kMaxLayers] = {};
    QComboBox* m_rangeCombos[kMaxLayers] = {};
    QCheckBox* m_alloyCheck;
    QPushButton* m_baseBox;
    QComboBox* m_unitCombo;
    QComboBox* m_gasketCombo;
};

}  // namespace klv
