#include "app/ui/condition_table.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "app/settings_keys.h"
#include "app/ui/display_only_list.h"
#include "base/glyph_text.h"
#include "base/ui/fitted_glyph_text.h"
#include "base/ui/text_codec.h"
#include "base/ui/window_settings.h"

namespace klv {
namespace {

constexpr int kMargin = 2;
constexpr int kFirstLayerColumn = 1;

const ListColumn kColumns[kConditionColumnCount] = {
    {"", ColumnAlign::Left, 76},          {"1st layer", ColumnAlign::Left, 67},
    {"2nd layer", ColumnAlign::Left, 67}, {"3rd  layer", ColumnAlign::Left, 67},
    {"4th layer", ColumnAlign::Left, 67}, {"5th layer", ColumnAlign::Left, 67},
    {"", ColumnAlign::Left, 55},          {"", ColumnAlign::Left, 59},
};

int LineHeight(const QWidget& table) {
    return QFontMetrics(table.font()).height();
}

class ConditionRowDelegate : public QStyledItemDelegate {
public:
    explicit ConditionRowDelegate(CConditionTable& table)
        : QStyledItemDelegate(&table), m_table(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& pal = m_table.palette();
        QColor background = pal.color(QPalette::Active, QPalette::Base);
        QColor text = pal.color(QPalette::Active, QPalette::Text);
        if (!m_table.isEnabled()) {
            background = pal.color(QPalette::Active, QPalette::Button);
        } else if (index.column() == m_table.HighlightedColumn()) {
            background = pal.color(QPalette::Active, QPalette::Highlight);
            text = pal.color(QPalette::Active, QPalette::HighlightedText);
        }
        painter->save();
        painter->setClipRect(option.rect);
        painter->fillRect(option.rect, background);
        painter->setPen(text);
        painter->setFont(m_table.font());
        const int lineHeight = LineHeight(m_table);
        QRect line(option.rect.x() + kMargin, option.rect.y() + kMargin,
                   option.rect.width() - 2 * kMargin, lineHeight);
        for (int l = 0; l < kConditionLineCount; ++l) {
            painter->setPen(m_table.IsDueLine(l, index.column()) ? QColor(Qt::red) : text);
            DrawFittedGlyphText(*painter, m_table.CellText(l, index.column()), line,
                                kGlyphAlignVCenter);
            line.translate(0, lineHeight);
        }
        // Columns are parted by a faint line, as the header parts its titles.
        painter->setPen(pal.color(QPalette::Midlight));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                kConditionLineCount * LineHeight(m_table) + 2 * kMargin};
    }

private:
    CConditionTable& m_table;
};

}  // namespace

CConditionTable::CConditionTable(QWidget* parent) : QTreeWidget(parent) {
    MakeDisplayOnly(*this);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new ConditionRowDelegate(*this));
    RestoreColumns(ProfileFile());
    auto* row = new QTreeWidgetItem;
    row->setFlags(Qt::ItemIsEnabled);
    addTopLevelItem(row);
    ShowCondition(nullptr, 0, false, nullptr);
}

void CConditionTable::ShowCondition(const MeasFileData* d, int currentLayer,
                                    bool measurementPossible, const CalibrationStore* calibration,
                                    const CalibrationSchedule* schedule) {
    m_cells = ConditionTableCells(d, calibration, schedule);
    m_currentLayer = d != nullptr ? currentLayer : -1;
    m_measurementPossible = measurementPossible;
    viewport()->update();
}

QString CConditionTable::CellText(int line, int column) const {
    if (line < 0 || line >= kConditionLineCount || column < 0 || column >= kConditionColumnCount)
        return {};
    return ToQString(m_cells[column][line]);
}

bool CConditionTable::IsDueLine(int line, int column) const {
    if (line < 0 || line >= kConditionLineCount || column < 0 || column >= kConditionColumnCount)
        return false;
    return m_cells[column][line].ends_with(kCalibrationDueMark);
}

int CConditionTable::HighlightedColumn() const {
    if (!m_measurementPossible || m_currentLayer < 0 || m_currentLayer >= kMaxLayers)
        return -1;
    return kFirstLayerColumn + m_currentLayer;
}

void CConditionTable::RestoreColumns(const ProfileFile& ini) {
    RestoreListColumns(*this, ini, ini::kMeasurement, kColumns);
}

bool CConditionTable::SaveColumns(ProfileFile& ini) const {
    return SaveListColumns(*this, ini, ini::kMeasurement, kColumns);
}

void CConditionTable::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        scheduleDelayedItemsLayout();
        FitHeight();
    }
}

void CConditionTable::updateGeometries() {
    QTreeWidget::updateGeometries();
    FitHeight();
}

// Exactly the header and the one row, with room for the scroll bar when the columns overflow.
void CConditionTable::FitHeight() {
    int height = header()->sizeHint().height() + kConditionLineCount * LineHeight(*this) +
                 2 * kMargin + 2 * frameWidth();
    if (horizontalScrollBar()->isVisible())
        height += horizontalScrollBar()->sizeHint().height();
    if (height != this->height() || minimumHeight() != height)
        setFixedHeight(height);
}

}  // namespace klv
