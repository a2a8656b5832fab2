#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

#include "reference/meas_file_data.h"
#include "reference/ui/condition_edit_context.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace klv {

// The frame every item dialog of the editing menu shares: the layer names over one column per
// layer, the rows of the item below them, OK and Cancel. OK reads the controls into a copy of
// the condition, writes it, and only then adopts it; a refusal or a failed write keeps the
// dialog open with the entries.
class CMeasItemDialog : public QDialog {
    Q_OBJECT
public:
    using LayerCombos = std::array<QComboBox*, kMaxLayers>;

    // The condition as last written; the caller's one until OK succeeded.
    const MeasFileData& Condition() const { return m_data; }

protected:
    CMeasItemDialog(const char* objectName, const char* title, ConditionEditContext& ctx,
                    const MeasFileData& d, int index, QWidget* parent);

    // Checks the entries and stores them in `d`; false after the message of the first refusal.
    virtual bool ReadControls(MeasFileData& d) = 0;

    const MeasFileData& Data() const { return m_data; }
    ConditionEditContext& Context() { return m_ctx; }
    Operator& Op() { return m_ctx.op; }
    bool LayerUsed(int k) const { return k < GetCoatCount(m_data); }

    // Row `row` (from 0) of the layer columns: a caption at the left, one control per layer;
    // the controls of unused layers are disabled.
    void AddCaption(int row, const QString& caption);
    void AddLayerControl(int row, int k, QWidget* control);
    // One combo box per layer with `items`, set to the entry `index` answers (-1 for none),
    // named `name` and the layer number.
    LayerCombos AddLayerCombos(int row, const QString& caption, const char* name,
                               const QStringList& items,
                               const std::function<int(const LayerCondition&)>& index);
    // Whether every used layer's combo has a selection; else "Lack of item." on the first.
    bool CombosSelected(const LayerCombos& combos);
    // The area under the layer columns, for what the item shows once per condition.
    QVBoxLayout* Body() { return m_body; }

private:
    void Confirm();

    ConditionEditContext& m_ctx;
    MeasFileData m_data;
    int m_index;
    QGridLayout* m_grid;
    QVBoxLayout* m_body;
};

// Texts of codes 1..count of a table lookup.
QStringList CodeTexts(int count, const std::function<std::string_view(int)>& name);

}  // namespace klv
