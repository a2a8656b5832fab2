#pragma once

#include <QDialog>
#include <functional>

#include "base/operator.h"
#include "output/printer_setup_rules.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QRadioButton;

namespace klv {

// "Printer set" (dialog 402): the printer kind, the roll-paper model and print mode, and the
// font of each printer. Accepted values are in Values().
class CPrinterSetup final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 402;
    // Whether the roll-paper printer of a model is there; tells the operator when not.
    using ModelProbe = std::function<bool(int modelId)>;

    // `probe` is empty under print simulation: no printer has to be there then.
    CPrinterSetup(const PrinterSetupValues& values, ModelProbe probe, Operator& op,
                  QWidget* parent = nullptr);

    const PrinterSetupValues& Values() const { return m_values; }

    void accept() override;

private:
    static void AddFontRow(QGridLayout& grid, int row, QComboBox* face, QComboBox* size);
    static void AddFaceUsed(QGridLayout& grid, int row, QComboBox* face, const char* name);
    QComboBox* MakeFontCombo(const char* name, const PrintFontChoice& font);
    QComboBox* MakeSizeCombo(const char* name, int sizeTenths);
    bool TakeFont(QComboBox* face, QComboBox* size, PointSizeRange range, PrintFontChoice& out);

    PrinterSetupValues m_values;
    ModelProbe m_probe;
    Operator& m_op;
    QRadioButton* m_page = nullptr;
    QRadioButton* m_rollPaper = nullptr;
    QComboBox* m_pageFace = nullptr;
    QComboBox* m_pageSize = nullptr;
    QComboBox* m_model = nullptr;
    QComboBox* m_rollFace = nullptr;
    QComboBox* m_rollSize = nullptr;
    QButtonGroup* m_mode = nullptr;
};

}  // namespace klv
