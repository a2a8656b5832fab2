#pragma once

#include <QDialog>

#include "reference/meas_file_data.h"
#include "reference/ui/condition_edit_context.h"

class QGridLayout;
class QLabel;

namespace klv {

class CEventSounds;
struct ConditionDisplayTexts;

// "Measurement condition": a read-only view of one channel's condition. In delete mode it
// warns with a beep and a red note, and OK confirms the deletion; otherwise only "Close".
class CMeasDataDisplay : public QDialog {
    Q_OBJECT
public:
    CMeasDataDisplay(ConditionEditContext& ctx, const MeasFileData& d, int index, bool deleteMode,
                     CEventSounds* sounds = nullptr, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A framed value field with room for `chars` characters.
    QLabel* Value(const std::string& text, const QString& name, int chars = kValueChars);
    void AddPair(QGridLayout* grid, int row, int column, const char* caption,
                 const std::string& text, const char* name, int chars = kValueChars);

    static constexpr int kValueChars = 8;
    QGridLayout* MakeHeader(const ConditionDisplayTexts& t, bool hasData);
    QGridLayout* MakeLayerTable(const ConditionDisplayTexts& t, int layers);

    bool m_deleteMode;
    CEventSounds* m_sounds;
    bool m_warned = false;
};

class ReportPrinter;

// "[ caption ]" and the condition block on one page, then the roll-paper feed.
bool PrintCondition(ReportPrinter& printer, const MeasFileData& d,
                    const CalibrationStore* calibration, QWidget* dialog);

// Shows the condition; true when the operator confirmed (in delete mode: the deletion). The
// caller deletes.
bool ShowCondition(ConditionEditContext& ctx, const MeasFileData& d, int index, bool deleteMode,
                   QWidget* parent, CEventSounds* sounds = nullptr);

}  // namespace klv
