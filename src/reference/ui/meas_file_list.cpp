#include "reference/ui/meas_file_list.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "base/ui/dialog_placement.h"
#include "base/ui/text_codec.h"
#include "base/ui/ui_resources.h"
#include "base/ui/window_settings.h"
#include "reference/channel_list_rows.h"
#include "reference/layer_value_format.h"

namespace klv {
namespace {

const char kSelectTitle[] = "Select a measurement condition file";
const char kCopyTitle[] = "Select original measurement condition file to make copy.";
const char kDeleteTitle[] = "Delete a measurement condition file";
const char kDialogTitle[] = "Select measurement condition file";
const char kInUse[] = "This file can't be selected because it has been using for a measurement.";
const char kDeleteNote[] = "Delete this test condition data";

constexpr int kChannelRole = Qt::UserRole;

}  // namespace

CMeasFileList::CMeasFileList(ConditionStore& store, const CalibrationStore& cal, ProfileFile& ini,
                             bool oneClickActivate, QWidget* parent)
    : QDialog(parent), m_store(store), m_cal(cal), m_ini(ini) {
    setObjectName(QStringLiteral("measFileList"));
    setWindowTitle(ToQString(kDialogTitle));
    m_list = new CSubclassListCtrl(oneClickActivate, this);
    m_list->setObjectName(QStringLiteral("channelList"));
    m_list->Delegate().SetRowLines(kChannelListLines, m_list->fontMetrics().height());
    m_list->header()->setStretchLastSection(false);
    m_cancel = new QPushButton(ToQString("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &CSubclassListCtrl::rowActivated, this, &CMeasFileList::Activate);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    std::vector<ListColumn> columns(kChannelListColumns.begin(), kChannelListColumns.end());
    int total = 0;
    for (ListColumn& c : columns) {
        c.defaultWidth = DialogUnitsToPixels(c.defaultWidth, font());
        total += c.defaultWidth;
    }
    RestoreListColumns(*m_list, m_ini, kSection, columns);
    CDialogPlacement::Keep(*this, m_ini, kSection);
    resize(total + 40, 10 * kChannelListLines * m_list->fontMetrics().height());
    SetMode(MeasFileListMode::Select);
}

void CMeasFileList::SetMode(MeasFileListMode mode) {
    m_mode = mode;
    const char* title = mode == MeasFileListMode::Select       ? kSelectTitle
                        : mode == MeasFileListMode::CopySource ? kCopyTitle
                                                               : kDeleteTitle;
    setWindowTitle(ToQString(title));
    Fill();
}

void CMeasFileList::SetCalibrationSchedule(const CalibrationSchedule& schedule) {
    m_schedule = schedule;
}

void CMeasFileList::Fill() {
    m_list->clear();
    const ChannelTable& channels = m_store.Channels();
    for (int i = 0; i < kChannelCount; ++i) {
        if (!channels.Occupied(i) && m_mode != MeasFileListMode::Select)
            continue;
        MeasFileData d{};
        const bool readable = channels.Exists(i) && m_store.ReadConditionFile(i, d, false);
        const CalibrationSchedule* schedule = m_schedule ? &*m_schedule : nullptr;
        auto cells = readable               ? ChannelListCells(i, &d, m_cal, schedule)
                     : channels.Occupied(i) ? UnreadableChannelListCells(i)
                                            : ChannelListCells(i, nullptr, m_cal, schedule);
        auto* item = new QTreeWidgetItem;
        for (int c = 0; c < kChannelListColumnCount; ++c) {
            item->setText(c, ToQString(cells[c]));
            // A due calibration date is the last column's last line, before the value.
            const std::size_t lastLine = cells[c].rfind('\n');
            if (c == kChannelListColumnCount - 1 && lastLine != std::string::npos &&
                cells[c].find(kCalibrationDueMark, lastLine) != std::string::npos)
                item->setData(c, kRedLinesRole,
                              1 << std::count(cells[c].begin(), cells[c].end(), '\n'));
        }
        item->setData(0, kChannelRole, i);
        m_list->addTopLevelItem(item);
    }
}

int CMeasFileList::RowOfChannel(int index) const {
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        if (m_list->topLevelItem(row)->data(0, kChannelRole).toInt() == index)
            return row;
    }
    return -1;
}

void CMeasFileList::Activate(int row) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (!item)
        return;
    int index = item->data(0, kChannelRole).toInt();
    MeasFileData d{};
    if (m_mode == MeasFileListMode::Select) {
        // A condition that cannot be read is no empty channel: the list says why and stays.
        if (m_store.Channels().Occupied(index) && !m_store.ReadConditionFile(index, d, true))
            return;
        m_selected = index;
        accept();
        return;
    }
    if (m_mode == MeasFileListMode::Delete && index == m_inUse) {
        m_store.Op().ShowMessage(kInUse, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (!m_store.ReadConditionFile(index, d, true)) {
        // No condition to display: its number stands for it.
        if (m_mode == MeasFileListMode::Delete && AskDelete(std::to_string(index + 1) + " :")) {
            m_store.DeleteChannel(index);
            delete m_list->takeTopLevelItem(row);
        }
        return;
    }
    if (m_mode == MeasFileListMode::CopySource) {
        // Without a chooser of copy items nothing is chosen.
        std::optional<unsigned> items =
            m_chooseCopyItems ? m_chooseCopyItems(index, d) : std::nullopt;
        if (items) {
            m_selected = index;
            m_copyItems = *items;
            accept();
        }
        return;
    }
    if (!ConfirmDelete(index, d))
        return;
    m_store.DeleteChannel(index);
    delete m_list->takeTopLevelItem(row);
}

bool CMeasFileList::ConfirmDelete(int index, const MeasFileData& d) {
    if (m_confirmDelete)
        return m_confirmDelete(index, d);
    return AskDelete(FormatFileTitle(index + 1, d));
}

bool CMeasFileList::AskDelete(const std::string& title) {
    std::string text = title + "\n\n" + kDeleteNote;
    return m_store.Op().ShowMessage(text, MsgIcon::Exclamation, MsgButtons::OkCancel) == IDOK;
}

void CMeasFileList::done(int result) {
    std::vector<ListColumn> columns(kChannelListColumns.begin(), kChannelListColumns.end());
    SaveListColumns(*m_list, m_ini, kSection, columns);
    QDialog::done(result);
}

}  // namespace klv
