#pragma once

#include <QWidget>

#include "reference/condition_checks.h"
#include "reference/meas_file_data.h"
#include "reference/ui/condition_edit_context.h"
#include "reference/ui/meas_file_sheet_seams.h"

class QLabel;
class QLineEdit;

namespace klv {

// What every page of the condition sheet shares: the working copy and how the sheet runs.
struct MeasFileSheetState {
    ConditionEditContext& ctx;
    MeasFileSheetSeams& seams;
    MeasFileData d;  // the working copy
    int index;       // channel 0-49
    bool wizard;     // a new condition, set up page by page
    bool calibration;
    bool HasData() const { return d.nItemCt != 0; }
};

// One page of the condition sheet.
class CMeasFilePage : public QWidget {
    Q_OBJECT
public:
    CMeasFilePage(MeasFileSheetState& s, QWidget* parent);

    // Shows the working copy.
    virtual void Refresh() = 0;
    // Reads the controls into the working copy and checks them; false (after the message,
    // with the control focused) keeps the page open.
    virtual bool Confirm() = 0;
    // The control of a checked field, or nullptr when it is not on this page.
    virtual QWidget* ControlFor(ConditionField field, int layer) = 0;

    // Shows a failed check at its control and opens the control's list when the check says
    // so; true for a passed check.
    bool Report(const ConditionCheck& check);

signals:
    // Coatings, base, gasket or ranges changed: the sheet rebuilds its page list.
    void structureChanged();

protected:
    MeasFileData& D() { return m_s.d; }
    Operator& Op() { return m_s.ctx.op; }
    // Reads a number typed in the edit; false after the message at the edit.
    bool ReadFloat(QWidget* edit, float& value);
    bool ReadInt(QWidget* edit, int& value);
    // The layer's name for the per-layer rows.
    QLabel* MakeLayerLabel(int k);
    void ShowLayerNames();
    // Shows only the rows of used layers; `rows` are the widgets of each layer's row.
    void ShowUsedRows(const std::vector<std::vector<QWidget*>>& rows);

    MeasFileSheetState& m_s;
    QLabel* m_layerLabels[kMaxLayers] = {};
};

QLineEdit* MakeLineEdit(QWidget* parent, const QString& name, int maxChars);
inline QLineEdit* MakeLineEdit(QWidget* parent, const char* name, int maxChars) {
    return MakeLineEdit(parent, QString::fromLatin1(name), maxChars);
}
// Control names carry the layer index: "rangeCombo0" ... "rangeCombo4".
QString LayerObjectName(const char* stem, int k);
// The edit's text as single-byte text without leading and trailing blanks.
std::string TrimmedText(QWidget* edit);

}  // namespace klv
