#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "base/operator.h"
#include "reference/meas_file_data.h"
#include "stats/control_chart.h"
#include "stats/histogram.h"
#include "stats/profile_chart.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace klv {

// The scale dialogs of the chart pages: edits in the displayed unit of layer k. OK checks them
// and takes them into the scale only when the operator changed a text; Changed() tells.
class CChartScaleDialog : public QDialog {
    Q_OBJECT
public:
    bool Changed() const { return m_changed; }

protected:
    CChartScaleDialog(const MeasFileData& d, int k, Operator& op, const char* name,
                      const char* title, QWidget* parent);
    QLineEdit* AddEdit(const char* name, double stored, int maxLength = 0);
    // The edit's value in the stored unit, or the message shown and the edit focused.
    bool ReadBound(QLineEdit* edit, bool rangeChart, double& value);
    bool AnyEdited() const;
    void Finish(QGridLayout* grid);

    const MeasFileData& m_d;
    int m_k;
    Operator& m_op;
    bool m_changed = false;

private:
    std::vector<std::pair<QLineEdit*, QString>> m_initial;
};

// "Setting of histogram": the range of values and the division number.
class CHistogramSetting : public CChartScaleDialog {
    Q_OBJECT
public:
    CHistogramSetting(const MeasFileData& d, int k, HistogramScale& scale, Operator& op,
                      QWidget* parent);
    void accept() override;

private:
    HistogramScale& m_scale;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
    QLineEdit* m_divisions;
};

// "Setting of profile": the range of the vertical axis.
class CProfileSetting : public CChartScaleDialog {
    Q_OBJECT
public:
    CProfileSetting(const MeasFileData& d, int k, ProfileScale& scale, Operator& op,
                    QWidget* parent);
    void accept() override;

private:
    ProfileScale& m_scale;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
};

// "Scale set" of the control chart: centre, limits and axis range of both charts, and the run
// rules that are on.
class CXbarRSetting : public CChartScaleDialog {
    Q_OBJECT
public:
    CXbarRSetting(const MeasFileData& d, int k, ControlChart& chart, unsigned& rules,
                  bool individuals, Operator& op, QWidget* parent);
    void accept() override;

private:
    unsigned CheckedRules() const;

    ControlChart& m_chart;
    unsigned& m_rules;
    std::array<QCheckBox*, 8> m_ruleBoxes{};
    // Centre, UCL, LCL, axis bottom, axis top of the X chart, then of the R chart.
    std::array<QLineEdit*, 10> m_edits{};
};

}  // namespace klv
