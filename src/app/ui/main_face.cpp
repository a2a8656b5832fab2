#include "app/ui/main_face.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/command_ids.h"
#include "app/settings_access.h"
#include "app/settings_keys.h"
#include "app/ui/condition_table.h"
#include "app/ui/meas_result_list.h"
#include "app/ui/split_bar.h"
#include "app/ui/split_pane.h"
#include "app/ui/status_line.h"
#include "base/ui/control_name.h"
#include "base/ui/tool_button.h"
#include "base/ui/ui_resources.h"
#include "measure/ui/level_meter.h"
#include "stats/ui/simple_stat.h"

namespace klv {

namespace {

using namespace cmd;

struct ButtonText {
    int id;
    const char* text;
};

constexpr ButtonText kButtonTexts[] = {
    {kSelectCondition, "File selection"},
    {kSetCondition, "Set a measurement condition"},
    {kStandardCalibration, "Standard calibration"},
    {kTemporaryStatistics, "Temporary statistics"},
    {kDeleteData, "Data delete"},
    {kSurfaceTreatment, "Surface process"},
    {kPotentialGraph, "Potential graph"},
    {kStartMeasurement, "Measurement(F2)"},
    {kStopMeasurement, "Stop(F3)"},
    {kCancelLastData, "Cancelling the just before data"},
    {kObservationMeasurement, "Observation measurement of potential graph"},
    {kEndMeasurement, "Measurement end"},
    {kReverseCurrent, "Reverse current"},
    {kAdditionalElectrolysis, "Additional electrolysis"},
};

constexpr int kButtonColumns = 4;
constexpr int kLevelMeterHeight = 48;
const QColor kHoverNavy(0, 0, 128);

const char* TextOf(int id) {
    for (const ButtonText& b : kButtonTexts)
        if (b.id == id)
            return b.text;
    return "";
}

QFrame* MakeFrame(QWidget* parent, int id) {
    auto* frame = Named(new QFrame(parent), id);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

}  // namespace

CMainFace::CMainFace(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mainFace"));
    auto* leftColumn = new QWidget(this);
    m_channelLine = Named(new QLabel(QStringLiteral("Not selected."), leftColumn), kChannelLine);
    m_dataNumber = Named(new QLabel(QStringLiteral("99999"), leftColumn), kDataNumber);
    m_statusLine = Named(new CStatusLine(this), kStatusLine);
    m_lotLine = Named(new QLabel(leftColumn), kLotLine);
    m_outboxLine = Named(new QLabel(this), kOutboxLine);
    m_conditionTable = Named(new CConditionTable(leftColumn), kConditionTable);
    for (QWidget* w : {static_cast<QWidget*>(m_channelLine), static_cast<QWidget*>(m_dataNumber),
                       static_cast<QWidget*>(m_lotLine), static_cast<QWidget*>(m_conditionTable)})
        w->setFont(DialogFont());
    m_resultList = Named(new CMeasResultList(leftColumn), kResultList);
    SetResultFont(DefaultResultFont());

    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(m_channelLine, 1);
    channelRow->addWidget(m_dataNumber);
    left->addLayout(channelRow);
    left->addWidget(m_lotLine);
    left->addWidget(m_conditionTable);
    // The meter's 13 cells stand beside the result list.
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(m_resultList, 1);
    auto* meter = MakeFrame(leftColumn, kLevelMeterFrame);
    meter->setMinimumHeight(kLevelMeterHeight);
    m_levelMeter = new CLevelMeter(meter);
    auto* meterLayout = new QVBoxLayout(meter);
    meterLayout->setContentsMargins(1, 1, 1, 1);
    meterLayout->addWidget(m_levelMeter);
    resultRow->addWidget(meter);
    left->addLayout(resultRow, 1);

    auto* stat =
        Named(new QGroupBox(QStringLiteral("Base of a simple statistics"), this), kSimpleStatFrame);
    m_simpleStat = new CSimpleStat(stat);
    auto* statLayout = new QVBoxLayout(stat);
    statLayout->setContentsMargins(2, 2, 2, 2);
    statLayout->addWidget(m_simpleStat);
    m_pane = new CSplitPane(leftColumn, stat, this);
    Named(m_pane->Bar(), kSplitter);

    auto* page = new QVBoxLayout(this);
    page->addWidget(
        ButtonRows({kSelectCondition, kSetCondition, kStandardCalibration, kTemporaryStatistics,
                    kDeleteData, kSurfaceTreatment, kPotentialGraph}));
    page->addWidget(m_pane, 1);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(m_statusLine, 1);
    statusRow->addWidget(m_outboxLine);
    page->addLayout(statusRow);
    page->addWidget(
        ButtonRows({kStartMeasurement, kStopMeasurement, kCancelLastData, kObservationMeasurement,
                    kEndMeasurement, kReverseCurrent, kAdditionalElectrolysis}));
}

void CMainFace::SetSplitPosition(int x) {
    m_pane->SetSplitPosition(x);
}

int CMainFace::WidthShowingConditionTable() const {
    const QMargins margins = layout()->contentsMargins();
    return margins.left() + m_pane->sizeHint().width() + margins.right();
}

int CMainFace::SplitPosition() const {
    return m_pane->SplitPosition();
}

void CMainFace::SetResultFont(const ResultFont& font) {
    m_resultFont = font;
    m_resultList->SetResultFont(font.font, font.color);
}

void CMainFace::RestoreSettings(const ProfileFile& ini) {
    SetResultFont(LoadResultFont(ini));
    m_resultList->RestoreColumnWidths(ini);
    m_conditionTable->RestoreColumns(ini);
    m_simpleStat->ApplySettings({ReadSetting(ini, ini::kSimpleStatDataCt),
                                 ReadSetting(ini, ini::kSimpleStatCol0Width),
                                 ReadSetting(ini, ini::kSimpleStatCol1Width)});
    if (ini.HasProfileKey(ini::kMeasurement, ini::kSplitPositionKey))
        m_pane->SetSplitPosition(ini.GetProfileInt(ini::kMeasurement, ini::kSplitPositionKey, 0));
    else
        m_pane->ResetSplitPosition();
}

bool CMainFace::SaveSettings(ProfileFile& ini) const {
    bool ok = SaveResultFont(ini, m_resultFont);
    ok = m_conditionTable->SaveColumns(ini) && ok;
    ok = ini.WriteProfileInt(ini::kMeasurement, ini::kSplitPositionKey, SplitPosition()) && ok;
    const CSimpleStat::Settings stat = m_simpleStat->CurrentSettings();
    ok = WriteSetting(ini, ini::kSimpleStatDataCt, stat.dataCt) && ok;
    ok = WriteSetting(ini, ini::kSimpleStatCol0Width, stat.col0) && ok;
    ok = WriteSetting(ini, ini::kSimpleStatCol1Width, stat.col1) && ok;
    return m_resultList->SaveColumnWidths(ini) && ok;
}

QWidget* CMainFace::ButtonRows(std::initializer_list<int> ids) {
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    int index = 0;
    for (int id : ids) {
        const int flags = id == kPotentialGraph ? kToolButtonToggle : 0;
        auto* button =
            Named(new CToolButton(QString::fromLatin1(TextOf(id)), flags, kHoverNavy, rows), id);
        // Long captions must not keep the window wider than its minimum width.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(button, &QAbstractButton::clicked, this, [this, id] { emit commandTriggered(id); });
        const int column = index % kButtonColumns;
        grid->addWidget(button, index / kButtonColumns, column);
        // Long captions get the larger share of the width.
        grid->setColumnStretch(column,
                               std::max(grid->columnStretch(column), button->sizeHint().width()));
        m_buttons.insert(id, button);
        ++index;
    }
    return rows;
}

}  // namespace klv
