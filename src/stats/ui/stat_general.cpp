#include "stats/ui/stat_general.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "base/ui/text_codec.h"
#include "stats/general_page_texts.h"
#include "stats/stat_columns.h"
#include "stats/statistics_texts.h"
#include "stats/ui/report_job.h"
#include "stats/ui/stat_mode_setting.h"

namespace klv {

namespace {

QLabel* Value(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

}  // namespace

CStatGeneral::CStatGeneral(CStatisticsSession& session, StatisticsLinks& links,
                           std::function<void()> recalculate, QWidget* parent)
    : CStatPage(parent), m_session(session), m_links(links), m_recalculate(std::move(recalculate)) {
    setObjectName(QStringLiteral("CStatGeneral"));
    auto* grid = new QGridLayout;
    m_file = Value("file", this);
    m_dates = Value("measurementDate", this);
    m_total = Value("totalData", this);
    m_dataNumber = Value("statisticsDataNumber", this);
    m_groupMode = new QListWidget(this);
    m_groupMode->setObjectName(QStringLiteral("groupMode"));
    m_groupMode->setFixedHeight(m_groupMode->fontMetrics().height() + 8);
    m_groupMode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_groupMode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const std::pair<const char*, QWidget*> rows[] = {{"File", m_file},
                                                     {"Measurement date", m_dates},
                                                     {"Total number of data", m_total},
                                                     {"How to devide into groups", m_groupMode},
                                                     {"Statistics data number", m_dataNumber}};
    int r = 0;
    for (const auto& [label, value] : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), this), r, 0);
        grid->addWidget(value, r++, 1);
    }
    grid->setColumnStretch(1, 1);
    m_note =
        new QLabel(QStringLiteral("Page of measurement data is object for all the data"), this);
    m_note->setObjectName(QStringLiteral("allDataNote"));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("statisticsList"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->header()->setStretchLastSection(false);

    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addWidget(m_note);
    page->addWidget(m_list, 1);

    // A click on the one line of the mode opens its dialog.
    connect(m_groupMode, &QListWidget::itemClicked, this, &CStatGeneral::EditGroupMode);
    connect(m_groupMode, &QListWidget::itemActivated, this, &CStatGeneral::EditGroupMode);
    OnStatisticsReCalc();
}

void CStatGeneral::ShowGroupMode() {
    m_groupMode->clear();
    m_groupMode->addItem(ToQString(FormatGroupModeText(m_session.Selection())));
    m_note->setEnabled(m_session.Selection().mode != GroupMode::AllData);
}

void CStatGeneral::EditGroupMode() {
    CStatModeSetting dialog(m_session.Selection(), m_links.op, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_recalculate();
        m_session.TakeRefresh(kPageGeneral);
        OnStatisticsReCalc();
    } else {
        ShowGroupMode();
    }
    m_groupMode->clearSelection();
}

void CStatGeneral::OnStatisticsReCalc() {
    const MeasFileData& d = m_session.Condition();
    const GeneralPageTexts g = BuildGeneralPageTexts(d, m_session.Index(), m_session.Selection(),
                                                     m_session.Formed().nDataCt);
    m_file->setText(ToQString(g.file));
    m_dates->setText(ToQString(g.dates));
    m_total->setText(ToQString(g.totalData));
    m_dataNumber->setText(ToQString(g.dataNumber));
    ShowGroupMode();

    const StatisticsTexts t =
        BuildStatisticsTexts(m_session.Result(), d, m_session.Formed().nDataCt);
    const int layers = GetStatColumnCount(d);
    QStringList headers{QString()};
    for (int k = 0; k < layers; ++k)
        headers << ToQString(t.columnTitles[k]);
    m_list->clear();
    m_list->setColumnCount(layers + 1);
    m_list->setHeaderLabels(headers);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int row = 0; row < kStatisticsListRows; ++row) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, ToQString(t.rowLabels[row]));
        for (int k = 0; k < layers; ++k) {
            item->setText(k + 1, ToQString(t.cells[row][k]));
            item->setTextAlignment(k + 1, Qt::AlignRight | Qt::AlignVCenter);
            item->setFont(k + 1, fixed);
        }
    }
    m_list->resizeColumnToContents(0);
    const int c = m_list->fontMetrics().averageCharWidth();
    for (int k = 0; k < layers; ++k) {
        const int chars = std::max(8, static_cast<int>(t.columnTitles[k].size()) + 1);
        m_list->setColumnWidth(k + 1, chars * c + 16);
    }
}

bool CStatGeneral::Copy() {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < m_list->topLevelItemCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < m_list->columnCount(); ++c)
            cells.push_back(FromQString(m_list->topLevelItem(r)->text(c)));
        rows.push_back(std::move(cells));
    }
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->setText(ToQString(JoinCopyRows(rows)));
    return true;
}

void CStatGeneral::Print() {
    const MeasFileData& d = m_session.Condition();
    const ReportChannel ch{d, m_session.Index(), m_links.calibration, m_links.sender};
    const GeneralPageTexts g = BuildGeneralPageTexts(d, m_session.Index(), m_session.Selection(),
                                                     m_session.Formed().nDataCt);
    const std::vector<CapabilityFigures> capability = m_session.Capabilities();
    std::optional<ReportFlow> flow;
    RunReport(m_links.reports, window(), m_links.sender.titleSize,
              [&](ReportPage& page, const PrintRect& area, TitleMetrics title, int& used) {
                  // Laid out once, then continued on as many pages or bands as it takes.
                  if (!flow) {
                      ReportPage all(page.Metrics());
                      const int end = PrintStatisticsGeneral(all, area, ch, m_session.Stored(), g,
                                                             m_session.Result(), capability, title);
                      flow.emplace(std::move(all), area.top, end, area.left, area.right);
                  }
                  used = std::min(flow->Place(page, area.top, area.top, area.bottom), area.bottom);
                  return !flow->Done();
              });
}

}  // namespace klv
