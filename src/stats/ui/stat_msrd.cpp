#include "stats/ui/stat_msrd.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "base/ui/list_click_method.h"
#include "base/ui/text_codec.h"
#include "reference/unit_gasket_tables.h"
#include "stats/ui/meas_data_model.h"
#include "stats/ui/report_job.h"
#include "stats/ui/stat_msrd_modify.h"
#include "stats/ui/stat_print_item.h"

namespace klv {

namespace {

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CStatMsrd::CStatMsrd(CStatisticsSession& session, StatisticsLinks& links,
                     std::function<void()> closeWindow, QWidget* parent)
    : CStatPage(parent), m_session(session), m_links(links), m_closeWindow(std::move(closeWindow)) {
    setObjectName(QStringLiteral("CStatMsrd"));
    m_model = new CMeasDataModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("measDataList"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    // Fixed row heights: the view never measures the rows it does not show.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 4);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_view->installEventFilter(this);

    auto* unitLabel =
        new QLabel(ToQString(std::string(GetUnitName(session.Condition().bUnit))), this);
    unitLabel->setObjectName(QStringLiteral("unitText"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("dataNumber"));
    auto* statics = new QHBoxLayout;
    statics->addWidget(new QLabel(QStringLiteral("Unit"), this));
    statics->addWidget(unitLabel);
    statics->addSpacing(24);
    statics->addWidget(new QLabel(QStringLiteral("Data number"), this));
    statics->addWidget(m_count);
    statics->addStretch(1);

    QPushButton* textOutput = Button("Text output", "textOutput", this);
    m_change = Button("Change", "change", this);
    m_delete = Button("Delete (Del)", "delete", this);
    QPushButton* cancelAll = Button("Cancellation of all", "cancelAll", this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {textOutput, m_change, m_delete, cancelAll})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(statics);
    page->addWidget(m_view, 1);
    page->addLayout(buttons);

    connect(textOutput, &QPushButton::clicked, this, [this] {
        if (m_links.textOutput)
            m_links.textOutput(m_session.Condition(), m_session.Stored(), window());
    });
    textOutput->setEnabled(bool(m_links.textOutput));
    connect(m_change, &QPushButton::clicked, this, &CStatMsrd::ChangeData);
    connect(m_delete, &QPushButton::clicked, this, &CStatMsrd::DeleteData);
    connect(cancelAll, &QPushButton::clicked, this, &CStatMsrd::DeleteAll);
    if (m_links.modifiable) {
        auto* click =
            new CListClickMethod(*m_view, m_links.oneClickActivate, m_links.oneClickActivate);
        connect(click, &CListClickMethod::activated, this, [this] {
            if (SelectedRows().size() == 1)
                ChangeData();
        });
    } else {
        m_change->hide();
        m_delete->hide();
        m_view->viewport()->installEventFilter(this);
    }
    Refresh();
}

int CStatMsrd::WidthForWholeList() const {
    const QMargins margins = layout()->contentsMargins();
    return m_view->horizontalHeader()->length() + 2 * m_view->frameWidth() +
           m_view->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
}

void CStatMsrd::Refresh() {
    m_model->Reset(m_session.Condition(), m_session.Stored());
    const int c = m_view->fontMetrics().averageCharWidth();
    const int layers = m_session.Layers();
    m_view->setColumnWidth(0, 6 * c + 8);
    for (int k = 0; k < layers; ++k)
        m_view->setColumnWidth(k + 1, 16 * c + 8);
    const int dateTitle = m_view->horizontalHeader()->fontMetrics().horizontalAdvance(
        QStringLiteral("Measurement date"));
    m_view->setColumnWidth(layers + 1, std::max(12 * c, dateTitle) + 12);
    // Selection changes follow the model that Reset replaced.
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CStatMsrd::UpdateButtons, Qt::UniqueConnection);
    ShowCount();
    UpdateButtons();
}

void CStatMsrd::ShowCount() {
    m_count->setText(QString::number(m_session.DataCount()));
}

std::vector<std::uint32_t> CStatMsrd::SelectedRows() const {
    std::vector<std::uint32_t> rows;
    if (m_view->selectionModel() == nullptr)
        return rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::uint32_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CStatMsrd::UpdateButtons() {
    const std::size_t selected = SelectedRows().size();
    m_change->setEnabled(m_links.modifiable && selected == 1);
    m_delete->setEnabled(m_links.modifiable && selected >= 1);
    emit copyEnablingChanged();
}

bool CStatMsrd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport()) {
        // Without the permission the mouse does nothing on the list.
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
                return true;
            default:
                return false;
        }
    }
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            emit copyRequested();
            return true;
        }
        if (key->matches(QKeySequence::SelectAll)) {
            if (m_links.modifiable)
                m_view->selectAll();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            if (m_links.modifiable && !SelectedRows().empty())
                DeleteData();
            return true;
        }
    }
    return CStatPage::eventFilter(watched, event);
}

void CStatMsrd::ChangeData() {
    const std::vector<std::uint32_t> rows = SelectedRows();
    if (!m_links.modifiable || rows.size() != 1)
        return;
    const std::uint32_t row = rows.front();
    const std::size_t layers = static_cast<std::size_t>(m_session.Layers());
    CStatMsrdModify dialog(m_session.Condition(), m_session.Stored().subspan(row * layers, layers),
                           m_links.op, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FlushPendingLine();
    if (!m_session.Correct(row, dialog.Values()))
        return;
    Refresh();
    m_view->selectRow(static_cast<int>(row));
    emit dataModified();
}

void CStatMsrd::DeleteData() {
    std::vector<std::uint32_t> rows = SelectedRows();
    if (!m_links.modifiable || rows.empty())
        return;
    if (m_session.CoversAllData(rows.size())) {
        if (m_links.op.ShowMessage(kMsgDataRunOut, MsgIcon::Question, MsgButtons::OkCancel) != IDOK)
            return;
        rows = m_session.AllRows();
    } else if (m_links.op.ShowMessage(kMsgDeleteSelected, MsgIcon::Question,
                                      MsgButtons::OkCancel) != IDOK) {
        return;
    }
    m_change->setEnabled(false);
    m_delete->setEnabled(false);
    m_view->clearSelection();
    FlushPendingLine();
    const bool deleted = m_session.Delete(rows);
    if (deleted && m_session.Condition().nItemCt == 0) {
        m_closeWindow();
        return;
    }
    Refresh();
    emit dataModified();
}

void CStatMsrd::DeleteAll() {
    if (m_links.op.ShowMessage(kMsgDeleteAllData, MsgIcon::Question, MsgButtons::OkCancel) != IDOK)
        return;
    const std::vector<std::uint32_t> rows = m_session.AllRows();
    FlushPendingLine();
    const bool deleted = rows.empty() || m_session.Delete(rows);
    if (deleted && m_session.Condition().nItemCt == 0) {
        m_closeWindow();
        return;
    }
    Refresh();
    emit dataModified();
}

void CStatMsrd::FlushPendingLine() {
    if (m_links.flushPendingLine)
        m_links.flushPendingLine();
}

bool CStatMsrd::Copy() {
    const std::vector<std::uint32_t> rows = SelectedRows();
    const CMeasDataRows* cells = m_model->Rows();
    if (rows.empty() || cells == nullptr)
        return false;
    std::vector<std::vector<std::string>> table;
    for (std::uint32_t row : rows) {
        std::vector<std::string> line;
        for (int c = 0; c < cells->ColumnCount(); ++c)
            line.push_back(cells->Cell(static_cast<int>(row), c));
        table.push_back(std::move(line));
    }
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->setText(ToQString(JoinCopyRows(table)));
    return true;
}

void CStatMsrd::Print() {
    MeasFileData& d = m_session.EditCondition();
    CStatPrintItem dialog(d, m_links.sender.present, m_links.op, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A failed write has shown its message; the report is printed all the same.
    m_links.store.WriteConditionFile(m_session.Index(), d);
    const PrintRange range = dialog.Range();
    const StatisticsResult result = CalcRangeStatistics(d, m_session.Stored(), range);
    const ReportChannel ch{d, m_session.Index(), m_links.calibration, m_links.sender};
    CMeasDataReport report(ch, m_session.Stored(), range, result, {});
    report.SetDueCalibration(m_links.takenWithDueCalibration);
    RunReport(m_links.reports, window(), m_links.sender.titleSize,
              [&](ReportPage& page, const PrintRect& area, TitleMetrics title, int& used) {
                  report.SetTitle(title);
                  return report.PrintPage(page, area, used);
              });
}

}  // namespace klv
