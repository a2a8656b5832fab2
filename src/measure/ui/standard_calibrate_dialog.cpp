#include "measure/ui/standard_calibrate_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/fixed_text.h"
#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/ui/place_clear_of.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "measure/ui/cal_data_error_dialog.h"
#include "measure/ui/layer_rows.h"
#include "reference/condition_rules.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr char kPlacementSection[] = "StdCalibrate";
constexpr char kMsgConditionNotEnough[] = "Measurement condition is not enough.";
constexpr char kGuideRestart[] = "Change the test solution and re-start.";
constexpr char kGuideStart[] = "Set a test sample and start.";
constexpr int kStandardChars = 6;

enum ControlId {
    kLayerList = 4100,
    kStatusText = 4101,
    kValueList = 4102,
    kAverageText = 4103,
    kGuidanceLine = 4104,
    kGasketText = 4110,
    kCoatBaseText = 4111,
    kStandardEdit = 4112,
    kUnitText = 4113,
    kMeasureButton = 32810,
    kStopButton = 32811,
    kSettingButton = 32778,
    kDeleteButton = 32772,
    kEndButton = 32812,
    kCancelButton = 32813,
};

template <typename W>
W* Named(W* w, int id) {
    w->setObjectName(QStringLiteral("ctl%1").arg(id));
    return w;
}

QString CoatBaseText(const MeasFileData& d) {
    std::string text;
    for (int k = 0; k < GetCoatCount(d); ++k)
        text += GetCoatName(d, k) + "/";
    return ToQString(text + GetFixedText(d.baseName));
}

}  // namespace

CStandardCalibrate::CStandardCalibrate(const StandardCalibrateSeams& seams,
                                       const MeasFileData* current, QWidget* parent)
    : CRunWindow(seams.instrument, seams.profile, seams.keys, kPlacementSection, parent),
      m_seams(seams) {
    setObjectName(QStringLiteral("CStandardCalibrate"));
    setWindowTitle(QStringLiteral("Standard calibration"));
    m_record = OpeningRecord(m_seams.store, current);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Gasket:")), 0, 0);
    m_gasket = Named(new QLabel, kGasketText);
    grid->addWidget(m_gasket, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Coating/Base:")), 1, 0);
    m_coatBase = Named(new QLabel, kCoatBaseText);
    grid->addWidget(m_coatBase, 1, 1, 1, 3);
    m_layers = Named(new QTreeWidget, kLayerList);
    // Five layers and the header, no more.
    m_layers->setFixedHeight(m_layers->fontMetrics().height() * 7 + 8);

    auto* standardRow = new QHBoxLayout;
    standardRow->addWidget(new QLabel(QStringLiteral("Thickness value of Thickness Standard")));
    m_standard = Named(new QLineEdit, kStandardEdit);
    m_standard->setMaxLength(kStandardChars);
    m_standard->setMaximumWidth(m_standard->fontMetrics().horizontalAdvance('0') * 10);
    standardRow->addWidget(m_standard);
    m_unit = Named(new QLabel, kUnitText);
    standardRow->addWidget(m_unit);
    standardRow->addStretch(1);

    m_status = Named(new QLabel(QStringLiteral(" ")), kStatusText);
    QFont big = m_status->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    m_status->setFont(big);
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 8);

    m_values = Named(new QListWidget, kValueList);
    auto* valueColumn = new QVBoxLayout;
    valueColumn->addWidget(new QLabel(QStringLiteral("Calibration value")));
    valueColumn->addWidget(m_values, 1);
    auto* averageRow = new QHBoxLayout;
    averageRow->addWidget(new QLabel(QStringLiteral("Average:")));
    m_average = Named(new QLabel, kAverageText);
    averageRow->addWidget(m_average, 1);
    valueColumn->addLayout(averageRow);

    auto* buttons = new QVBoxLayout;
    auto button = [&](const char* text, int id) {
        auto* b = Named(new QPushButton(QString::fromLatin1(text)), id);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_start = button("Measurement(F2)", kMeasureButton);
    m_stop = button("Stop(F3)", kStopButton);
    m_setting = button("Setting change", kSettingButton);
    m_delete = button("Data delete", kDeleteButton);
    m_end = button("Calibration end", kEndButton);
    m_cancel = button("Cancel", kCancelButton);
    buttons->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(valueColumn, 1);
    middle->addLayout(buttons);

    m_guidance = Named(new QLabel, kGuidanceLine);
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addWidget(m_layers);
    page->addLayout(standardRow);
    page->addWidget(m_status);
    page->addLayout(middle, 1);
    page->addWidget(m_guidance);

    connect(m_start, &QPushButton::clicked, this, &CStandardCalibrate::StartMeasurement);
    connect(m_stop, &QPushButton::clicked, this, &CStandardCalibrate::StopMeasurement);
    connect(m_setting, &QPushButton::clicked, this, &CStandardCalibrate::ChangeSetting);
    connect(m_delete, &QPushButton::clicked, this, &CStandardCalibrate::DeleteData);
    connect(m_end, &QPushButton::clicked, this, &CStandardCalibrate::EndCalibration);
    connect(m_cancel, &QPushButton::clicked, this, [this] { Finish(kCalibrationCancelled); });
    connect(m_values, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_measuring)
            SetIdle();
    });

    resize(560, 520);
    TakeRun(m_start, m_stop);
    ApplyCalibrationCondition(m_record.condition, m_condition);
    ShowHeader();
    m_standard->setText(
        m_record.fStandardThickness > 0
            ? ToQString(FormatNumberWidth(ToUnit(m_record.fStandardThickness, m_condition.bUnit),
                                          kStandardChars))
            : QString());
    SetIdle();
}

CStandardCalibrate::~CStandardCalibrate() {
    if (!m_closing)
        Finish(kCalibrationClosed);
}

void CStandardCalibrate::ShowHeader() {
    m_gasket->setText(ToQString(std::string(GetGasketName(m_condition.bGasket))));
    m_coatBase->setText(CoatBaseText(m_condition));
    m_unit->setText(ToQString(std::string(GetUnitName(m_condition.bUnit))));
    ShowLayerRows(*m_layers, m_condition, Layer());
}

void CStandardCalibrate::SetIdle() {
    m_measuring = false;
    m_guidance->setText(QString::fromLatin1(Layer() > 0 ? kGuideRestart : kGuideStart));
    m_start->setEnabled(true);
    m_cancel->setEnabled(true);
    m_setting->setEnabled(true);
    m_stop->setEnabled(false);
    m_end->setEnabled(m_values->count() > 0);
    m_delete->setEnabled(!m_values->selectedItems().isEmpty());
    if (m_values->count() == 0)
        m_average->clear();
    // The layer being measured next is highlighted.
    HighlightLayerRow(*m_layers, Layer());
}

void CStandardCalibrate::SetMeasuringState() {
    m_measuring = true;
    m_guidance->clear();
    for (QPushButton* b : {m_start, m_cancel, m_setting, m_delete, m_end})
        b->setEnabled(false);
    m_stop->setEnabled(true);
}

void CStandardCalibrate::StartMeasurement() {
    if (m_measuring)
        return;
    if (!IsComplete(m_condition)) {
        m_seams.op.ShowMessage(kMsgConditionNotEnough, MsgIcon::Exclamation, MsgButtons::Ok);
        ChangeSetting();
        return;
    }
    const std::string text = FromQString(m_standard->text());
    const std::optional<double> standard = ParseFloat(text);
    if (!standard) {
        ShowNumberError(m_seams.op, m_standard);
        return;
    }
    if (*standard <= 0) {
        ShowNotPositiveError(m_seams.op, m_standard);
        return;
    }
    m_record.fStandardThickness = FromUnit(static_cast<float>(*standard), m_condition.bUnit);
    m_status->setText(QStringLiteral(" "));
    const int layer = Layer();
    m_seams.run.SetCalibrationMode(1);
    const int started =
        m_seams.run.StartLayer(m_condition, layer, GetDisplayMode(m_condition, layer), true);
    if (!started)
        return;
    m_calibration.BeginLayer();
    m_seams.instrument.SetPollingWindow(&Target());
    SetMeasuringState();
}

void CStandardCalibrate::StopMeasurement() {
    if (m_measuring)
        m_seams.instrument.StopMeasurement(false);
}

void CStandardCalibrate::OnPollingNotify() {
    if (!m_measuring)
        return;
    PollingData poll;
    m_seams.instrument.GetPollingData(poll);
    PollResult result{};
    if (!m_seams.run.PreparePollResult(poll, result) || result.fEndRequested) {
        if (result.fEndRequested) {
            // Ended after failed polls: the instrument may still electrolyse.
            m_seams.instrument.AllOutputsOffSilently();
            EndCalibration();
        }
        return;
    }
    const auto showTexts = [&] {
        m_status->setText(QStringLiteral(" ") + ToQString(std::string(result.szTitle)) +
                          ToQString(std::string(result.szValue)));
    };
    showTexts();
    m_seams.run.EvaluatePoll(poll, result, false);
    if (result.fStopped || (result.fHasResult && result.fInvalid)) {
        m_calibration.Restart();
        SetIdle();
        return;
    }
    if (!result.fHasResult)
        return;
    showTexts();
    switch (m_calibration.AddLayerValue(m_condition, result.fValue, m_record.fStandardThickness)) {
        case CalibrationStep::NextLayer:
            break;
        case CalibrationStep::OutOfRange: {
            m_seams.sounds.PlayEventSound(RunSound::CalError);
            const QString unit =
                QStringLiteral(" ") + ToQString(std::string(GetUnitName(m_condition.bUnit)));
            const auto thickness = [&](float valueInUnit) {
                return ToQString(FormatLayerValue(valueInUnit, m_condition, 0, false, false))
                           .trimmed() +
                       unit;
            };
            CCalDataError badCalibration(
                thickness(m_calibration.Sum()),
                thickness(ToUnit(m_record.fStandardThickness, m_condition.bUnit)),
                ToQString(FormatPercent(m_calibration.Deviation(), false)), this);
            PlaceClearOf(badCalibration, *m_values);
            const int choice = badCalibration.exec();
            if (choice == kCalReplaceGasket) {
                m_values->clear();
                ShowAverage();
            } else if (choice == kCalChangeCondition) {
                ChangeSetting();
            }
            break;
        }
        case CalibrationStep::Accepted:
            m_status->setText(
                QStringLiteral("Measurement result. ") +
                ToQString(FormatLayerValue(m_calibration.Sum(), m_condition, 0, false, false)) +
                QStringLiteral(" ") + ToQString(std::string(GetUnitName(m_condition.bUnit))));
            AddResult(m_calibration.Deviation());
            break;
    }
    SetIdle();
}

void CStandardCalibrate::AddResult(float deviation) {
    auto* item =
        new QListWidgetItem(QStringLiteral(" ") + ToQString(FormatPercent(deviation, false)));
    item->setData(Qt::UserRole, deviation);
    m_values->addItem(item);
    ShowAverage();
}

void CStandardCalibrate::ShowAverage() {
    std::vector<float> values;
    for (int i = 0; i < m_values->count(); ++i)
        values.push_back(m_values->item(i)->data(Qt::UserRole).toFloat());
    if (values.empty())
        m_average->clear();
    else
        m_average->setText(ToQString(FormatPercent(AverageCalibration(values), false)));
}

void CStandardCalibrate::DeleteData() {
    if (m_measuring)
        return;
    qDeleteAll(m_values->selectedItems());
    ShowAverage();
    SetIdle();
}

void CStandardCalibrate::ChangeSetting() {
    if (!m_seams.editCondition)
        return;
    MeasFileData d = m_condition;
    if (!m_seams.editCondition(d, this))
        return;
    m_record.condition = ToCalibrationCondition(d);
    ApplyCalibrationCondition(m_record.condition, m_condition);
    m_calibration.Restart();
    ShowHeader();
    SetIdle();
}

void CStandardCalibrate::EndCalibration() {
    m_seams.instrument.SetPollingWindow(nullptr);
    m_seams.trace.EndLayer();
    m_measuring = false;
    std::vector<float> values;
    for (int i = 0; i < m_values->count(); ++i)
        values.push_back(m_values->item(i)->data(Qt::UserRole).toFloat());
    // Nothing measured (an end request of a failing line): nothing to store.
    if (values.empty()) {
        Finish(kCalibrationCancelled);
        return;
    }
    const float value = AverageCalibration(values);
    const LocalTime today = m_seams.clock.Now();
    CalibrationStore updated = m_seams.store;
    StoreCalibration(updated, m_record, value, PackDate(today.year, today.month, today.day));
    if (!WriteCalibrationStore(m_seams.calibrationPath, updated, m_seams.op)) {
        // The old file and the old records stay; the operator may try again.
        SetIdle();
        return;
    }
    m_seams.store = updated;
    if (IsGasketWorn(value))
        m_seams.op.ShowMessage(kMsgGasketWorn, MsgIcon::None, MsgButtons::Ok);
    Finish(kCalibrationClosed);
}

void CStandardCalibrate::Finish(int result) {
    if (m_closing)
        return;
    m_closing = true;
    m_seams.instrument.StopMeasurement(false);
    m_seams.trace.EndLayer();
    m_seams.run.SetCalibrationMode(0);
    GiveBackRun();
    m_measuring = false;
    QDialog::done(result);
}

void CStandardCalibrate::done(int result) {
    Finish(result);
}

void CStandardCalibrate::reject() {
    // Escape does not close a running calibration; the close box counts as "Close".
    if (!m_measuring)
        Finish(kCalibrationClosed);
}

}  // namespace klv
