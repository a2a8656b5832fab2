#include "stats/ui/stat_chart_page.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "base/ui/print_page_context.h"
#include "base/ui/report_drawing.h"
#include "base/ui/text_codec.h"
#include "stats/chart_report.h"
#include "stats/form_groups.h"
#include "stats/stat_columns.h"
#include "stats/ui/chart_view.h"

namespace klv {

namespace {

// Printer dots per screen pixel, at least 1.
int DeviceRatio(const QPaintDevice& device) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return std::max(1, static_cast<int>(std::lround(device.logicalDpiX() / screenDpi)));
}

}  // namespace

CStatChartPage::CStatChartPage(CStatisticsSession& session, StatisticsLinks& links, int page,
                               std::string reportTitle, bool autoScaleButton, QWidget* parent)
    : CStatPage(parent),
      m_session(session),
      m_links(links),
      m_page(page),
      m_reportTitle(std::move(reportTitle)) {
    m_coating = new QComboBox(this);
    m_coating->setObjectName(QStringLiteral("coating"));
    m_controls = new QHBoxLayout;
    m_controls->addWidget(new QLabel(QStringLiteral("Coating"), this));
    m_controls->addWidget(m_coating);
    if (autoScaleButton) {
        m_autoScale = new QPushButton(QStringLiteral("Auto scale"), this);
        m_autoScale->setObjectName(QStringLiteral("autoScale"));
        m_autoScale->setCheckable(true);
        m_autoScale->setAutoDefault(false);
        m_controls->addWidget(m_autoScale);
        connect(m_autoScale, &QPushButton::clicked, this, &CStatChartPage::OnAutoScale);
    }
    m_scaleSet = new QPushButton(QStringLiteral("Scale set"), this);
    m_scaleSet->setObjectName(QStringLiteral("scaleSet"));
    m_scaleSet->setAutoDefault(false);
    m_controls->addWidget(m_scaleSet);
    m_controls->addStretch(1);
    m_chart = new CChartView(
        [this](QPainter& p, const QRect& area, int ratio) { Draw(p, area, ratio, false); }, this);
    m_below = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_controls);
    layout->addWidget(m_chart, 1);
    layout->addLayout(m_below);
    SetAutoScale(true);
    connect(m_coating, &QComboBox::activated, this, &CStatChartPage::OnCoatingChanged);
    connect(m_scaleSet, &QPushButton::clicked, this, &CStatChartPage::OnScaleSet);
}

void CStatChartPage::FillCoatings() {
    const QSignalBlocker block(m_coating);
    m_coating->clear();
    const std::vector<StatColumn> columns = GetStatColumns(m_session.Condition());
    for (std::size_t k = 0; k < columns.size(); ++k)
        m_coating->addItem(ToQString(columns[k].title), static_cast<int>(k));
    m_coating->setCurrentIndex(m_coating->findData(Layer()));
}

void CStatChartPage::SetAutoScale(bool on) {
    m_auto = on;
    if (m_autoScale != nullptr) {
        m_autoScale->setChecked(on);
        m_autoScale->setEnabled(!on);
    }
}

void CStatChartPage::Recompute() {
    if (!Compute(m_auto))
        return;
    ShowLists();
    m_chart->update();
}

void CStatChartPage::Refresh() {
    // Another page chose the layer: this one starts over with the automatic scale.
    if (Layer() != m_shownLayer)
        SetAutoScale(true);
    m_shownLayer = Layer();
    FillCoatings();
    Recompute();
}

void CStatChartPage::OnCoatingChanged(int index) {
    m_session.SelectLayer(m_coating->itemData(index).toInt());
    m_session.TakeRefresh(m_page);
    SetAutoScale(true);
    m_shownLayer = Layer();
    Recompute();
}

void CStatChartPage::OnAutoScale() {
    SetAutoScale(true);
    Recompute();
}

void CStatChartPage::OnScaleSet() {
    if (!EditScale())
        return;
    SetAutoScale(false);
    if (KeepsEditedScale()) {
        ShowLists();
        m_chart->update();
        return;
    }
    Recompute();
}

void CStatChartPage::ShortOfMemory() {
    m_links.op.ShowMessage(kMsgShortOfMemory, MsgIcon::Stop, MsgButtons::Ok);
}

QTreeWidget* CStatChartPage::MakeList(const char* name) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsClickable(false);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

void CStatChartPage::FillList(QTreeWidget& list, const ChartList& content) {
    list.clear();
    list.setColumnCount(static_cast<int>(content.columns.size()));
    QStringList headers;
    for (const ChartListColumn& c : content.columns)
        headers << ToQString(c.header);
    list.setHeaderLabels(headers);
    const QFontMetrics fm = list.header()->fontMetrics();
    const int c = fm.averageCharWidth();
    for (std::size_t i = 0; i < content.columns.size(); ++i) {
        // A header wider than its share of average characters is never cut.
        const int header = fm.horizontalAdvance(headers[static_cast<int>(i)]) + 2 * c;
        list.setColumnWidth(static_cast<int>(i), std::max(content.columns[i].chars * c, header));
        list.headerItem()->setTextAlignment(static_cast<int>(i),
                                            i == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (const std::vector<std::string>& row : content.rows) {
        auto* item = new QTreeWidgetItem(&list);
        for (std::size_t i = 0; i < row.size(); ++i) {
            item->setText(static_cast<int>(i), ToQString(row[i]));
            item->setTextAlignment(static_cast<int>(i),
                                   (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        }
    }
    const int rows = std::max<int>(1, static_cast<int>(content.rows.size()));
    const int rowHeight =
        list.sizeHintForRow(0) > 0 ? list.sizeHintForRow(0) : list.fontMetrics().height() + 4;
    list.setFixedHeight(list.header()->sizeHint().height() + rows * rowHeight +
                        2 * list.frameWidth());
}

bool CStatChartPage::Copy() {
    QClipboard* clipboard = QApplication::clipboard();
    const QImage image = m_chart->Render();
    if (clipboard == nullptr || image.isNull())
        return false;
    clipboard->setImage(image);
    return true;
}

void CStatChartPage::Print() {
    const std::vector<std::string> lines = ReportLines();
    const QSize screen = m_chart->size();
    const MeasFileData& d = m_session.Condition();
    const bool printed = m_links.reports.PrintReport(window(), [&](QWidget*, PrintPageContext& pc) {
        ReportPage page(MetricsOf(pc));
        int top = PrintChartReportHead(page, pc.rect, m_reportTitle, d, m_session.Index(), Layer(),
                                       lines);
        top += WrapLongTexts(page, pc.rect.left, pc.rect.right);
        DrawReportPage(pc, page, pc.font);
        const PrintRect r = ChartReportArea(pc.rect, top, screen.width(), screen.height());
        if (r.bottom > r.top) {
            QPainter& p = *pc.painter;
            p.save();
            p.setClipRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
            p.setFont(m_chart->CustomFont().value_or(pc.font));
            // The labels at the frame's top and right ends stand half outside it: the printed
            // chart leaves them room, so none is cut at the page's edge.
            const QFontMetrics fm(p.font(), p.device());
            const int c = fm.horizontalAdvance(QLatin1Char('X'));
            const int h = fm.height();
            Draw(p,
                 QRect(r.left, r.top + h / 2, r.right - r.left - 4 * c, r.bottom - r.top - h / 2),
                 DeviceRatio(*p.device()), true);
            p.restore();
        }
        pc.rect.bottom = std::max(r.bottom, top);
        pc.end = true;
        return false;
    });
    if (printed)
        m_links.reports.FeedRollPaper();
}

}  // namespace klv
