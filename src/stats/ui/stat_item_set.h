#pragma once

#include <QDialog>
#include <array>

#include "base/operator.h"
#include "reference/meas_file_data.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace klv {

class ConditionStore;

// "Setting of statistics items": statistics mode, total number of statistics and the limits
// of each layer, edited on a copy that OK checks, writes to the channel's condition file and
// then hands to the caller. A failed write keeps the dialog open with the edits.
class CStatItemSet : public QDialog {
    Q_OBJECT
public:
    CStatItemSet(MeasFileData& condition, ConditionStore& store, int index, Operator& op,
                 QWidget* parent = nullptr);

    void accept() override;

private:
    void ApplyEnabling();
    bool ReadTotal();
    bool ReadLimits();
    bool ReadLimit(QLineEdit* edit, bool edited, float stored, float& value);

    MeasFileData& m_condition;
    MeasFileData m_edit;
    ConditionStore& m_store;
    int m_index;
    Operator& m_op;

    QComboBox* m_mode = nullptr;
    QLabel* m_totalLabel = nullptr;
    QLineEdit* m_total = nullptr;
    QCheckBox* m_limitCheck = nullptr;
    struct LimitRow {
        int layer = -1;  // -1: hidden
        std::array<QWidget*, 5> controls{};
        QLineEdit* upper = nullptr;
        QLineEdit* lower = nullptr;
        // An edit the operator did not touch keeps the stored limit, so no rounding creeps in.
        bool upperEdited = false;
        bool lowerEdited = false;
    };
    std::array<LimitRow, kMaxLayers> m_rows;
};

}  // namespace klv
