#include "app/ui/main_face.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/command_ids.h"
#include "app/ui/status_line.h"
#include "base/ui/tool_button.h"

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

QString ControlName(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

template <typename W>
W* Named(W* widget, int id) {
    widget->setObjectName(ControlName(id));
    return widget;
}

QTreeWidget* MakeConditionTable(QWidget* parent) {
    auto* table = Named(new QTreeWidget(parent), kConditionTable);
    table->setRootIsDecorated(false);
    table->setHeaderLabels({QString(), QStringLiteral("1st layer"), QStringLiteral("2nd layer"),
                            QStringLiteral("3rd  layer"), QStringLiteral("4th layer"),
                            QStringLiteral("5th layer"), QString(), QString()});
    return table;
}

QFrame* MakeFrame(QWidget* parent, int id) {
    auto* frame = Named(new QFrame(parent), id);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

}  // namespace

CMainFace::CMainFace(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mainFace"));
    m_channelLine = Named(new QLabel(QStringLiteral("Not selected."), this), kChannelLine);
    m_dataNumber = Named(new QLabel(QStringLiteral("99999"), this), kDataNumber);
    m_statusLine = Named(new CStatusLine(this), kStatusLine);
    m_conditionTable = MakeConditionTable(this);
    // Placeholder until the result list takes its place.
    auto* results = Named(new QTreeWidget(this), kResultListPlaceholder);
    results->setRootIsDecorated(false);
    results->setHeaderHidden(true);

    auto* left = new QVBoxLayout;
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(m_channelLine, 1);
    channelRow->addWidget(m_dataNumber);
    left->addLayout(channelRow);
    left->addWidget(m_conditionTable, 1);
    left->addWidget(results, 2);
    auto* meter = MakeFrame(this, kLevelMeterFrame);
    meter->setMinimumHeight(kLevelMeterHeight);
    left->addWidget(meter);

    auto* splitter = MakeFrame(this, kSplitter);
    splitter->setFrameShape(QFrame::VLine);
    splitter->setCursor(Qt::SizeHorCursor);
    auto* stat =
        Named(new QGroupBox(QStringLiteral("Base of a simple statistics"), this), kSimpleStatFrame);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addWidget(splitter);
    middle->addWidget(stat);

    auto* page = new QVBoxLayout(this);
    page->addWidget(
        ButtonRows({kSelectCondition, kSetCondition, kStandardCalibration, kTemporaryStatistics,
                    kDeleteData, kSurfaceTreatment, kPotentialGraph}));
    page->addLayout(middle, 1);
    page->addWidget(m_statusLine);
    page->addWidget(
        ButtonRows({kStartMeasurement, kStopMeasurement, kCancelLastData, kObservationMeasurement,
                    kEndMeasurement, kReverseCurrent, kAdditionalElectrolysis}));
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
        connect(button, &QAbstractButton::clicked, this, [this, id] { emit commandTriggered(id); });
        grid->addWidget(button, index / kButtonColumns, index % kButtonColumns);
        m_buttons.insert(id, button);
        ++index;
    }
    return rows;
}

}  // namespace klv
