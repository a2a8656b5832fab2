#include "app/ui/meas_result_list.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstdio>

#include "app/settings_keys.h"
#include "app/ui/display_only_list.h"
#include "base/glyph_text.h"
#include "base/list_columns.h"
#include "base/ui/fitted_glyph_text.h"
#include "base/ui/text_codec.h"

namespace klv {
namespace {

constexpr int kBlinkMs = 500;
constexpr int kValueColumn = 1;
constexpr int kTextIndent = 2;
const char* const kTitles[4] = {"Coating", "Obtained value", "Weight of melting",
                                "Adhesion amount"};

std::string ColumnKey(int column) {
    char key[32];
    std::snprintf(key, sizeof key, ini::kMeasResultColFormat, column);
    return key;
}

class ResultRowDelegate : public QStyledItemDelegate {
public:
    explicit ResultRowDelegate(CMeasResultList& list) : QStyledItemDelegate(&list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setClipRect(option.rect);
        painter->fillRect(option.rect, m_list.RowBackground());
        const int row = index.row();
        const int column = index.column();
        const bool hidden = column == kValueColumn && row == m_list.BlinkRow() &&
                            m_list.IsBlinking() && !m_list.IsBlinkTextShown();
        if (!hidden) {
            painter->setFont(m_list.ResultFont());
            painter->setPen(column == 0 && m_list.IsRedName(row) ? QColor(Qt::red)
                                                                 : m_list.FontColor());
            DrawFittedGlyphText(*painter, m_list.RowText(row, column),
                                option.rect.adjusted(kTextIndent, 0, -kTextIndent, 0),
                                kGlyphAlignVCenter);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_list.RowHeight()};
    }

private:
    CMeasResultList& m_list;
};

}  // namespace

CMeasResultList::CMeasResultList(QWidget* parent)
    : QTreeWidget(parent),
      m_font(font()),
      m_windowColor(palette().color(QPalette::Active, QPalette::Base)),
      m_buttonFace(palette().color(QPalette::Active, QPalette::Button)) {
    std::copy(std::begin(ini::kMeasResultColDefaults), std::end(ini::kMeasResultColDefaults),
              m_widths);
    MakeDisplayOnly(*this);
    setItemDelegate(new ResultRowDelegate(*this));
    SetFresh(false);
    SetFourColumns(false);
    m_blink.setInterval(kBlinkMs);
    connect(&m_blink, &QTimer::timeout, this, &CMeasResultList::BlinkTick);
}

void CMeasResultList::SetResultFont(const QFont& font, const QColor& color) {
    m_font = font;
    m_color = color;
    scheduleDelayedItemsLayout();
    viewport()->update();
}

int CMeasResultList::RowHeight() const {
    return QFontMetrics(m_font).height() * 3 / 2;
}

void CMeasResultList::SetFourColumns(bool four) {
    KeepShownWidths();
    const int count = four ? 4 : 2;
    QStringList titles;
    for (int c = 0; c < count; ++c)
        titles << QString::fromLatin1(kTitles[c]);
    setColumnCount(count);
    setHeaderLabels(titles);
    m_columnsBuilt = true;
    ApplyWidths();
}

// A rebuild must not lose what the operator dragged.
void CMeasResultList::KeepShownWidths() {
    if (!m_columnsBuilt)
        return;
    for (int c = 0; c < columnCount(); ++c)
        m_widths[c] = columnWidth(c);
}

void CMeasResultList::ApplyWidths() {
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, m_widths[c]);
}

void CMeasResultList::ClearRows() {
    StopBlink();
    clear();
}

void CMeasResultList::SetResultRows(const std::vector<ResultRow>& rows) {
    ClearRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ResultRowTexts texts;
        for (int c = 0; c < kResultColumnCount; ++c)
            texts.columns[c] = ToQString(rows[i].columns[c]);
        texts.redName = rows[i].redName;
        SetRow(static_cast<int>(i), texts);
    }
}

void CMeasResultList::SetRow(int row, const ResultRowTexts& texts) {
    if (row < 0)
        return;
    while (topLevelItemCount() <= row)
        addTopLevelItem(new QTreeWidgetItem);
    QTreeWidgetItem* item = topLevelItem(row);
    item->setFlags(Qt::ItemIsEnabled);
    for (int c = 0; c < 4; ++c)
        item->setText(c, texts.columns[c]);
    item->setData(0, Qt::UserRole, texts.redName);
}

QString CMeasResultList::RowText(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr && column >= 0 && column < 4 ? item->text(column) : QString();
}

bool CMeasResultList::IsRedName(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr && item->data(0, Qt::UserRole).toBool();
}

void CMeasResultList::SetFresh(bool fresh) {
    m_fresh = fresh;
    QPalette p = palette();
    p.setColor(QPalette::Base, RowBackground());
    setPalette(p);
    viewport()->update();
}

QColor CMeasResultList::RowBackground() const {
    return m_fresh ? m_windowColor : m_buttonFace;
}

void CMeasResultList::SetBlinkRow(int row) {
    RepaintRow(m_blinkRow);
    m_blinkRow = row;
    m_ticks = 0;
    m_blink.start();
    RepaintRow(row);
}

void CMeasResultList::StopBlink() {
    m_blink.stop();
    m_ticks = 0;
    RepaintRow(m_blinkRow);
    m_blinkRow = -1;
}

void CMeasResultList::BlinkTick() {
    ++m_ticks;
    RepaintRow(m_blinkRow);
}

void CMeasResultList::RepaintRow(int row) {
    if (QTreeWidgetItem* item = topLevelItem(row))
        viewport()->update(visualRect(indexFromItem(item, kValueColumn)));
}

void CMeasResultList::RestoreColumnWidths(const ProfileFile& ini) {
    int widths[4];
    std::copy(std::begin(ini::kMeasResultColDefaults), std::end(ini::kMeasResultColDefaults),
              widths);
    for (int c = 0; c < 4; ++c) {
        const int w = ini.GetProfileInt(ini::kMeasurement, ColumnKey(c), -1);
        if (w == -1) {
            std::copy(std::begin(ini::kMeasResultColDefaults),
                      std::end(ini::kMeasResultColDefaults), widths);
            break;
        }
        widths[c] = std::clamp(w, kMinColumnWidth, kMaxColumnWidth);
    }
    std::copy(std::begin(widths), std::end(widths), m_widths);
    ApplyWidths();
}

int CMeasResultList::ColumnWidth(int column) const {
    if (column < 0 || column >= 4)
        return 0;
    return column < columnCount() ? columnWidth(column) : m_widths[column];
}

bool CMeasResultList::SaveColumnWidths(ProfileFile& ini) const {
    bool ok = true;
    for (int c = 0; c < 4; ++c)
        ok = ini.WriteProfileInt(ini::kMeasurement, ColumnKey(c), ColumnWidth(c)) && ok;
    return ok;
}

}  // namespace klv
